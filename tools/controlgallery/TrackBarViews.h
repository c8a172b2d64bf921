#pragma once
// The track bar's views: the plain sizes in their states, vertical bars, and the main window's
// transparency bar.

#include "SkinViews.h"

class TForm;
class TSeSkinEngine;

TSkinPicture TrackBars(TForm& Form, TSeSkinEngine* Engine);
TSkinPicture VerticalTrackBars(TForm& Form, TSeSkinEngine* Engine);
TSkinPicture TransparencyBars(TForm& Form, TSeSkinEngine* Engine);
