#pragma once
// The check every picture test makes: a drawing equals its reviewed reference picture pixel
// for pixel. On a difference the drawing is saved beside the temporary files and the failure
// says where it is and where the first differing pixel lies.

#include <string>

#include "SkinViews.h"

void ExpectMatchesReference(const TSkinPicture& Actual, const std::string& Reference,
                            const std::string& Label);

// The same check for pictures taken from the screen, where text may come out a shade apart:
// a pixel counts as different when one of its channels is more than MaxChannelDifference
// away, and the check fails when more than MaxDifferentShare of the pixels differ.
void ExpectMatchesReferenceWithin(const TSkinPicture& Actual, const std::string& Reference,
                                  const std::string& Label, int MaxChannelDifference,
                                  double MaxDifferentShare);
