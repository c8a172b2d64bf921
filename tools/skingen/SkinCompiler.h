#pragma once
// Compiles a skin from its sources: the objects written in the textual property form
// (children nested as objects, the way people write them) and the drawn bitmaps, into the
// engine's stored form or the compressed skin file.

#include <cstdint>
#include <string>
#include <vector>

#include "SkinBitmap.h"

namespace SkinGen {

// One top-level object record: its class and its text, children turned into the binary
// "Objects" value (a count with the $F0000 mark, then binary records).
struct ObjectRecord {
  std::string ClassName;
  std::string Text;
};

// The parts of a source file: "object Skin: TSeSkinSource" with the five header strings
// first, then the top-level skin objects.
struct SkinSource {
  std::vector<std::string> Header; // SkinName, SkinVersion, Author, AuthorEMail, AuthorURL
  std::vector<ObjectRecord> Objects;
};

// Raises std::runtime_error naming the line for text that does not parse.
SkinSource ParseSkinSource(const std::string& Text);

// The standard skin body: header strings, bitmaps (rows bottom-up), text records.
std::vector<uint8_t> SkinBody(const SkinSource& Source, const std::vector<SkinBitmap>& Bitmaps);
// The compressed skin file (.qzkn): "QZLZ" and the body deflated at level 1.
std::vector<uint8_t> CompressedSkin(const std::vector<uint8_t>& Body);
// The engine's stored form: byte 2, then the compressed skin file.
std::vector<uint8_t> StoredSkin(const std::vector<uint8_t>& Body);

} // namespace SkinGen
