#pragma once

#include <string>
#include <vector>

// Text files on disk are Big5 (code page 950) with CR LF line ends; in memory they are UTF-8.
// Every rewrite goes to a temporary file in the same folder that is then renamed over the old one,
// so a failure never leaves a half-written file. Failures throw FileError.

bool FileExists(const std::string& path);

// The lines of a file, without their line ends (CR LF, LF or a lone CR end a line).
std::vector<std::string> ReadTextLines(const std::string& path);

// Writes every line followed by CR LF.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

// Raw bytes, for files whose content arrives already encoded (a downloaded draw file).
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Conversions between UTF-8 and Big5; characters with no counterpart become '?' (or U+FFFD when
// reading).
std::string Big5ToUtf8(const std::string& big5);
std::string Utf8ToBig5(const std::string& utf8);

// Splits text into lines at CR LF, LF or a lone CR; a final line end adds no empty line.
std::vector<std::string> SplitLines(const std::string& text);
