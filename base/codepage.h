// Code pages. Engine texts are byte strings: cp1251 ("Windows") for table values,
// findings and messages; the DOS code page ("OEM") for ZEM files, map texts and
// map-file values. The DOS code page is CP866 unless the settings name MIK, since
// projects from design firms come in either. Fixed map-file keys are always MIK.
#pragma once

#include <string>
#include <string_view>

namespace dornavik {

enum class tdoscodepage { cp866, mik };

// The DOS code page of this run; CP866 until set. Reads the "OEM" value of the
// settings ("866" or "MIK"; anything else keeps CP866).
void SetDosCodePage(tdoscodepage page);
tdoscodepage DosCodePage();
tdoscodepage DosCodePageFromSetting(std::string_view value);

// Byte for byte, same length; a character without a counterpart becomes "?".
std::string OemToWindows(std::string_view text);
std::string WindowsToOem(std::string_view text);
std::string MikToWindows(std::string_view text);
std::string WindowsToMik(std::string_view text);

// Case-insensitive comparison of two texts in the DOS code page, in the order
// of their cp1251 counterparts: <0, 0, >0.
int CompareTextOem(std::string_view a, std::string_view b);

// At the border: console and windows.
std::string WindowsToUtf8(std::string_view text);
std::string Utf8ToWindows(std::string_view text);
std::string OemToUtf8(std::string_view text);
std::string Utf8ToOem(std::string_view text);

}  // namespace dornavik
