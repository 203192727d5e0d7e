// Decoding of file bytes into the program's UTF-8 text, and encoding back to CP932.
//
// Files are decoded by their bytes, not by their declaration: bytes that start with
// a UTF-8 byte-order mark or are UTF-8 on the whole are UTF-8; anything else is CP932
// (Windows-31J). A few damaged bytes in a UTF-8 file (a cut at the end, a stray byte,
// a broken character among many good ones) do not make it CP932: they become U+FFFD,
// as do the bytes of a CP932 file that do not decode. Decoding never fails.
#pragma once

#include <string>
#include <string_view>

namespace tesmor {

enum class TextEncoding { Utf8, Cp932 };

// True when every byte sequence of the text is well-formed UTF-8.
bool IsWellFormedUtf8(std::string_view bytes);

// True when the bytes are UTF-8 on the whole: well formed, or with at most one
// damaged place per eight good multi-byte characters.
bool IsMostlyUtf8(std::string_view bytes);

// The encoding of file bytes by their content.
TextEncoding DetectEncoding(std::string_view bytes);

// CP932 bytes to UTF-8; undecodable bytes become U+FFFD.
std::string DecodeCp932(std::string_view bytes);

// File bytes to UTF-8 by their content; a UTF-8 byte-order mark is dropped and
// malformed UTF-8 never reaches the caller.
std::string DecodeFileText(std::string_view bytes, TextEncoding* detected = nullptr);

// UTF-8 text to CP932; characters CP932 cannot hold become "?".
std::string EncodeCp932(std::string_view utf8);

// UTF-8 text in the given encoding (UTF-8 is passed through).
std::string EncodeText(std::string_view utf8, TextEncoding encoding);

}  // namespace tesmor
