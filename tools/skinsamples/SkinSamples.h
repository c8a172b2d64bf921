#pragma once
// Sample skins for tests, benchmarks, fuzz seeds and the skin tool: one of every object
// class, bitmaps with key-coloured holes and soft edges, in every file form.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/SkinSource.h"

// Fills Source with the sample skin; Side is the edge of its largest bitmap (a square).
void BuildSampleSkin(TSeSkinSource& Source, int Side = 128);

// The sample skin's bytes in the form of a file extension ("uskn", "qzkn", "xskn", "mskn").
std::vector<uint8_t> SampleSkinBytes(const std::string& Extension, int Side = 128);
// The engine's stored form: byte 2, then the compressed container.
std::vector<uint8_t> SampleStoredSkinBytes(int Side = 128);
// A max body whose bitmaps are legacy BMP records (24-bit images), in the max container.
std::vector<uint8_t> SampleLegacyMaxSkinBytes();

// A Windows BMP file image, 24 bits per pixel, of Width x Height pixels 0x00RRGGBB given
// top row first.
std::vector<uint8_t> MakeBmp24(int Width, int Height, const std::vector<uint32_t>& Pixels);
