#pragma once
// The check every picture test makes: a drawing equals its reviewed reference picture pixel
// for pixel. On a difference the drawing is saved beside the temporary files and the failure
// says where it is and where the first differing pixel lies.

#include <string>

#include "SkinViews.h"

void ExpectMatchesReference(const TSkinPicture& Actual, const std::string& Reference,
                            const std::string& Label);
