#pragma once
// Binary values a stored layout's text leaves empty ("SkinStream = {}"), filled in from files
// the build makes (the skin, the pictures) when the layout is compiled.

#include <string>

// Text with the value of Object's property Property, written there as "{}", replaced by
// Bytes in hexadecimal as the text form writes binary values. Raises EParserError naming
// what is missing when there is no such object or no such empty value in it.
std::string FillBinaryValue(const std::string& Text, const std::string& Object,
                            const std::string& Property, const std::string& Bytes);

// The value of a picture holding a bitmap: the class name "TBitmap" as a short string, then
// the bitmap's file bytes after their int32 length.
std::string BitmapPictureData(const std::string& BitmapFile);
