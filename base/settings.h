// The program's settings file "dornavik.ini": read once at start, held for the
// whole run, written back at exit. Keys and section names are cp1251.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/inifile.h"

namespace dornavik {

// Section "SYSTEM" (the values with their defaults).
struct tsystemsettings {
  int window_state = 0;           // "WindowState": 0 normal, 1 minimised, 2 maximised
  int scale = 0;                  // "Мащаб": map scale denominator
  int max_undo = 1000;            // "MaxUndo"
  double tolerance = 5.0;         // "Допуск": closing tolerance of rings, metres
  double same_distance = 100.0;   // "Допуск еднакви": contours of one sub-compartment, metres
  double max_area = 30.0;         // "Максимална площ": large sub-compartments, hectares
  int red_color = 16711680;       // "Red color": highlight colour, 0x00BBGGRR
  int para_page = 0;              // "ParaPage": first page of the options dialog
  int mode = 1;                   // "Режим": 0 "Графика", 1 "Площи"
  bool drag_window = false;       // "DragWindow"
};

// The main window's placement, kept under the window caption's key in "SYSTEM"
// as "visible,top,left,height,width".
struct tmainplacement {
  bool visible = true;
  int top = -1, left = -1, height = 0, width = 0;
};
constexpr char kMainWindowKey[] = "Dornavik";

// A window that remembers its position, in its own section.
struct twindowplacement {
  std::string section;
  int left = 0, top = 0, height = 378;
  int width = -492;  // negative: not placed (never stored, or off the screen)
  int state = 0;
  bool has_tab = false;  // windows with a page control keep their page as well
  int tab = 0;
  bool Placed() const { return width >= 0; }
};

constexpr int kRecentFiles = 9;

struct tsettings {
  std::string path;  // where the settings are written
  tinifile ini;      // every section, including those this store does not interpret
  tsystemsettings system;
  tmainplacement main_window;
  std::vector<std::string> recent_files;  // most recent first, at most kRecentFiles
  std::map<std::string, twindowplacement> placements;  // by section name
};

// The settings of the run.
tsettings& Settings();
// Forgets them (tests).
void ResetSettings();

// Reads "dornavik.ini" (name looked up ignoring case) from the writable folder,
// or from the program folder when the writable folder has none; a missing file
// or key gives the defaults. Sets the DOS code page from the "OEM" value of
// "SYSTEM" ("866" or "MIK").
void LoadSettings();
// Writes the settings into the writable folder; false (the io result set) when
// the file cannot be written, the previous file then staying as it was.
bool SaveSettings();

tsystemsettings ReadSystemSettings(const tinifile& ini);
void WriteSystemSettings(tinifile& ini, const tsystemsettings& system);
tmainplacement ReadMainPlacement(const tinifile& ini, const tmainplacement& current);
void WriteMainPlacement(tinifile& ini, const tmainplacement& placement);
// A window reaching beyond the screen is put in its middle.
void CentreOnScreen(tmainplacement& placement, int screen_width, int screen_height);

// The record of the window with that section, registered on first use and read
// from the settings then; a record off the screen is marked not placed.
twindowplacement& WindowPlacement(const std::string& section, int screen_width, int screen_height,
                                  bool has_tab = false);
void ReadWindowPlacement(const tinifile& ini, twindowplacement& record, int screen_width,
                         int screen_height);
void WriteWindowPlacement(tinifile& ini, const twindowplacement& record);
// Takes a closing window's placement: its state always, position and size only
// when it is shown normally.
void TakeWindowPlacement(twindowplacement& record, int state, int left, int top, int height,
                         int width, int tab = 0);

// Section "Lastfiles": keys "1".."n", "1" the most recent.
std::vector<std::string> ReadRecentFiles(const tinifile& ini);
void WriteRecentFiles(tinifile& ini, const std::vector<std::string>& files);
// Puts path first, drops an equal entry further down and keeps kRecentFiles.
void AddRecentFile(std::vector<std::string>& files, const std::string& path);

}  // namespace dornavik
