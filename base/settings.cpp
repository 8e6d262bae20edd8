#include "base/settings.h"

#include <algorithm>

#include "base/codepage.h"
#include "base/files.h"
#include "base/text.h"

namespace dornavik {
namespace {

constexpr char kFileName[] = "dornavik.ini";
constexpr char kSystem[] = "SYSTEM";
constexpr char kLastFiles[] = "Lastfiles";
// cp1251 key names
constexpr char kScale[] = "\xCC\xE0\xF9\xE0\xE1";                                  // "Мащаб"
constexpr char kTolerance[] = "\xC4\xEE\xEF\xF3\xF1\xEA";                          // "Допуск"
constexpr char kSameDistance[] = "\xC4\xEE\xEF\xF3\xF1\xEA \xE5\xE4\xED\xE0\xEA\xE2\xE8";  // "Допуск еднакви"
constexpr char kMaxArea[] = "\xCC\xE0\xEA\xF1\xE8\xEC\xE0\xEB\xED\xE0 \xEF\xEB\xEE\xF9";  // "Максимална площ"
constexpr char kMode[] = "\xD0\xE5\xE6\xE8\xEC";                                   // "Режим"

}  // namespace

tsettings& Settings() {
  static tsettings settings;
  return settings;
}

void ResetSettings() { Settings() = tsettings{}; }

tsystemsettings ReadSystemSettings(const tinifile& ini) {
  const tsystemsettings d;
  tsystemsettings s;
  s.window_state = ini.ReadInteger(kSystem, "WindowState", d.window_state);
  s.scale = ini.ReadInteger(kSystem, kScale, d.scale);
  s.max_undo = ini.ReadInteger(kSystem, "MaxUndo", d.max_undo);
  s.tolerance = ini.ReadReal(kSystem, kTolerance, d.tolerance);
  s.same_distance = ini.ReadReal(kSystem, kSameDistance, d.same_distance);
  s.max_area = ini.ReadReal(kSystem, kMaxArea, d.max_area);
  s.red_color = ini.ReadInteger(kSystem, "Red color", d.red_color);
  s.para_page = ini.ReadInteger(kSystem, "ParaPage", d.para_page);
  s.mode = ini.ReadInteger(kSystem, kMode, d.mode);
  s.drag_window = ini.ReadBool(kSystem, "DragWindow", d.drag_window);
  return s;
}

void WriteSystemSettings(tinifile& ini, const tsystemsettings& s) {
  ini.WriteBool(kSystem, "DragWindow", s.drag_window);
  ini.WriteInteger(kSystem, kScale, s.scale);
  ini.WriteInteger(kSystem, "MaxUndo", s.max_undo);
  ini.WriteInteger(kSystem, "ParaPage", s.para_page);
  ini.WriteInteger(kSystem, "WindowState", s.window_state);
  ini.WriteInteger(kSystem, kMode, s.mode);
  ini.WriteReal(kSystem, kTolerance, s.tolerance);
  ini.WriteReal(kSystem, kSameDistance, s.same_distance);
  ini.WriteReal(kSystem, kMaxArea, s.max_area);
  ini.WriteInteger(kSystem, "Red color", s.red_color);
}

tmainplacement ReadMainPlacement(const tinifile& ini, const tmainplacement& current) {
  tmainplacement p = current;
  std::string text = ini.ReadString(kSystem, kMainWindowKey, "");
  if (text.empty()) return p;
  std::vector<int> parts;
  while (!text.empty()) parts.push_back(TextInt(SplitAt(text, ',')));
  if (parts.size() >= 3) {
    p.visible = parts[0] == 1;
    p.top = parts[1];
    p.left = parts[2];
  }
  if (parts.size() >= 5) {
    p.height = parts[3];
    p.width = parts[4];
  }
  return p;
}

void WriteMainPlacement(tinifile& ini, const tmainplacement& p) {
  ini.WriteString(kSystem, kMainWindowKey,
                  std::to_string(p.visible ? 1 : 0) + "," + std::to_string(p.top) + "," +
                      std::to_string(p.left) + "," + std::to_string(p.height) + "," +
                      std::to_string(p.width));
}

void CentreOnScreen(tmainplacement& p, int screen_width, int screen_height) {
  if (p.top < 0 || p.top + p.height > screen_height) p.top = (screen_height - p.height) / 2;
  if (p.left < 0 || p.left + p.width > screen_width) p.left = (screen_width - p.width) / 2;
}

void ReadWindowPlacement(const tinifile& ini, twindowplacement& r, int screen_width,
                         int screen_height) {
  r.left = ini.ReadInteger(r.section, "left", r.left);
  r.top = ini.ReadInteger(r.section, "top", r.top);
  r.height = ini.ReadInteger(r.section, "height", r.height);
  r.width = ini.ReadInteger(r.section, "width", r.width);
  r.state = ini.ReadInteger(r.section, "state", r.state);
  if (r.has_tab) r.tab = ini.ReadInteger(r.section, "tab", r.tab);
  const long long bottom = static_cast<long long>(r.top) + r.height;
  const long long right = static_cast<long long>(r.left) + r.width;
  if (bottom < 0 || bottom > screen_height || right < 0 || right > screen_width || r.height <= 0)
    r.width = -1;
}

void WriteWindowPlacement(tinifile& ini, const twindowplacement& r) {
  ini.WriteInteger(r.section, "left", r.left);
  ini.WriteInteger(r.section, "top", r.top);
  ini.WriteInteger(r.section, "height", r.height);
  ini.WriteInteger(r.section, "width", r.width);
  ini.WriteInteger(r.section, "state", r.state);
  if (r.has_tab) ini.WriteInteger(r.section, "tab", r.tab);
}

void TakeWindowPlacement(twindowplacement& r, int state, int left, int top, int height, int width,
                         int tab) {
  r.state = state;
  if (state == 0) {
    r.left = left;
    r.top = top;
    r.height = height;
    r.width = width;
  }
  if (r.has_tab) r.tab = tab;
}

twindowplacement& WindowPlacement(const std::string& section, int screen_width, int screen_height,
                                  bool has_tab) {
  auto& placements = Settings().placements;
  auto found = placements.find(section);
  if (found != placements.end()) return found->second;
  twindowplacement& r = placements[section];
  r.section = section;
  r.has_tab = has_tab;
  ReadWindowPlacement(Settings().ini, r, screen_width, screen_height);
  return r;
}

std::vector<std::string> ReadRecentFiles(const tinifile& ini) {
  // In the order of the keys, "1" the most recent; adding each at the top in turn
  // would reverse the list at every start.
  std::vector<std::string> files;
  for (const std::string& key : ini.Keys(kLastFiles)) {
    const std::string path = ini.ReadString(kLastFiles, key, "");
    if (!path.empty() && std::find(files.begin(), files.end(), path) == files.end() &&
        files.size() < kRecentFiles)
      files.push_back(path);
  }
  return files;
}

void WriteRecentFiles(tinifile& ini, const std::vector<std::string>& files) {
  ini.EraseSection(kLastFiles);
  for (size_t i = 0; i < files.size(); ++i) ini.WriteString(kLastFiles, std::to_string(i + 1), files[i]);
}

void AddRecentFile(std::vector<std::string>& files, const std::string& path) {
  std::erase(files, path);
  files.insert(files.begin(), path);
  if (files.size() > kRecentFiles) files.resize(kRecentFiles);
}

void LoadSettings() {
  tsettings& s = Settings();
  s.path = FindFileNoCase(WritableFolder(), kFileName);
  std::string source = s.path;
  if (!FileFound(source)) source = FindFileNoCase(ProgramFolder(), kFileName);
  s.ini.Load(source);
  s.system = ReadSystemSettings(s.ini);
  s.main_window = ReadMainPlacement(s.ini, s.main_window);
  s.recent_files = ReadRecentFiles(s.ini);
  s.placements.clear();  // windows register their records after this
  SetDosCodePage(DosCodePageFromSetting(s.ini.ReadString(kSystem, "OEM", "866")));
}

bool SaveSettings() {
  tsettings& s = Settings();
  if (s.path.empty()) s.path = FindFileNoCase(WritableFolder(), kFileName);
  WriteSystemSettings(s.ini, s.system);
  WriteMainPlacement(s.ini, s.main_window);
  WriteRecentFiles(s.ini, s.recent_files);
  for (const auto& entry : s.placements) WriteWindowPlacement(s.ini, entry.second);
  return s.ini.Save(s.path);
}

}  // namespace dornavik
