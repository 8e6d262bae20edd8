// The settings of the run: defaults, the SYSTEM values, window placements, the
// recent files, the DOS code page, and the file in the writable folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/codepage.h"
#include "base/files.h"
#include "base/settings.h"

namespace dornavik {
namespace {

class SettingsStore : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / "dornavik_settings";
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    const char* home = std::getenv("DORNAVIK_HOME");
    if (home != nullptr) saved_home_ = home;
    setenv("DORNAVIK_HOME", folder_.c_str(), 1);
    ResetFolders();
    ResetSettings();
  }
  void TearDown() override {
    if (saved_home_.empty())
      unsetenv("DORNAVIK_HOME");
    else
      setenv("DORNAVIK_HOME", saved_home_.c_str(), 1);
    ResetFolders();
    ResetSettings();
    SetDosCodePage(tdoscodepage::cp866);
    std::filesystem::remove_all(folder_);
  }
  void WriteFile(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  std::string ReadFile(const std::string& name) {
    std::string data;
    ReadWholeFile((folder_ / name).string(), data);
    return data;
  }

  std::filesystem::path folder_;
  std::string saved_home_;
};

TEST_F(SettingsStore, MissingFileGivesTheDefaults) {
  LoadSettings();
  const tsystemsettings& s = Settings().system;
  EXPECT_EQ(s.max_undo, 1000);
  EXPECT_DOUBLE_EQ(s.tolerance, 5.0);
  EXPECT_DOUBLE_EQ(s.same_distance, 100.0);
  EXPECT_DOUBLE_EQ(s.max_area, 30.0);
  EXPECT_EQ(s.red_color, 16711680);
  EXPECT_EQ(s.mode, 1);
  EXPECT_FALSE(s.drag_window);
  EXPECT_TRUE(Settings().recent_files.empty());
  EXPECT_EQ(DosCodePage(), tdoscodepage::cp866);
}

TEST_F(SettingsStore, ReadsAndWritesBackTheFile) {
  // Found whatever the case of its name; "OEM" selects MIK.
  WriteFile("DORNAVIK.INI",
            "[SYSTEM]\r\nOEM=MIK\r\nMaxUndo=50\r\n\xC4\xEE\xEF\xF3\xF1\xEA=2,5\r\n"
            "Dornavik=1,10,20,600,800\r\n[Lastfiles]\r\n1=/a/one.a\r\n2=/a/two.a\r\n3=/a/one.a\r\n"
            "[fOtdeli]\r\nleft=5\r\ntop=6\r\nheight=300\r\nwidth=400\r\nstate=0\r\ntab=2\r\n"
            "[ProtFirm]\r\nname=firm\r\n");
  LoadSettings();
  tsettings& s = Settings();
  EXPECT_EQ(DosCodePage(), tdoscodepage::mik);
  EXPECT_EQ(s.system.max_undo, 50);
  EXPECT_DOUBLE_EQ(s.system.tolerance, 2.5);
  EXPECT_EQ(s.main_window.top, 10);
  EXPECT_EQ(s.main_window.width, 800);
  EXPECT_EQ(s.recent_files, (std::vector<std::string>{"/a/one.a", "/a/two.a"}));
  twindowplacement& w = WindowPlacement("fOtdeli", 1024, 768, true);
  EXPECT_TRUE(w.Placed());
  EXPECT_EQ(w.tab, 2);

  s.system.tolerance = 7.25;
  AddRecentFile(s.recent_files, "/a/two.a");
  TakeWindowPlacement(w, 2, 0, 0, 0, 0, 1);  // maximised: the position stays
  ASSERT_TRUE(SaveSettings());
  const std::string text = ReadFile("DORNAVIK.INI");
  EXPECT_NE(text.find("\xC4\xEE\xEF\xF3\xF1\xEA=7.25\r\n"), std::string::npos);
  EXPECT_NE(text.find("OEM=MIK\r\n"), std::string::npos);
  EXPECT_NE(text.find("[Lastfiles]\r\n1=/a/two.a\r\n2=/a/one.a\r\n"), std::string::npos);
  EXPECT_NE(text.find("left=5\r\ntop=6\r\nheight=300\r\nwidth=400\r\nstate=2\r\ntab=1\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("[ProtFirm]\r\nname=firm\r\n"), std::string::npos);
  EXPECT_NE(text.find("Dornavik=1,10,20,600,800\r\n"), std::string::npos);
  EXPECT_FALSE(FileFound((folder_ / "dornavik.ini").string()));  // no second file

  // Read again: the same values.
  ResetSettings();
  LoadSettings();
  EXPECT_DOUBLE_EQ(Settings().system.tolerance, 7.25);
  EXPECT_EQ(Settings().recent_files.front(), "/a/two.a");
}

TEST_F(SettingsStore, WindowPlacementsOffTheScreenAreNotPlaced) {
  struct tcase {
    int left, top, height, width;
    bool placed;
  };
  const tcase cases[] = {
      {10, 10, 300, 400, true},   {10, -400, 300, 400, false}, {10, 600, 300, 400, false},
      {-500, 10, 300, 400, false}, {900, 10, 300, 400, false}, {10, 10, 0, 400, false},
  };
  for (const auto& c : cases) {
    tinifile ini;
    ini.WriteInteger("w", "left", c.left);
    ini.WriteInteger("w", "top", c.top);
    ini.WriteInteger("w", "height", c.height);
    ini.WriteInteger("w", "width", c.width);
    twindowplacement r;
    r.section = "w";
    ReadWindowPlacement(ini, r, 1024, 768);
    EXPECT_EQ(r.Placed(), c.placed) << c.left << " " << c.top;
  }
  twindowplacement fresh;
  EXPECT_FALSE(fresh.Placed());
  EXPECT_EQ(fresh.height, 378);
}

TEST_F(SettingsStore, RecentFilesKeepNineWithoutRepeats) {
  std::vector<std::string> files;
  for (int i = 1; i <= 12; ++i) AddRecentFile(files, "/m/" + std::to_string(i) + ".a");
  AddRecentFile(files, "/m/8.a");
  ASSERT_EQ(files.size(), 9u);
  EXPECT_EQ(files[0], "/m/8.a");
  EXPECT_EQ(files[1], "/m/12.a");
  EXPECT_EQ(files[8], "/m/4.a");
}

TEST_F(SettingsStore, MainWindowIsCentredWhenOffTheScreen) {
  tmainplacement p{true, -5, 100, 400, 600};
  CentreOnScreen(p, 1000, 800);
  EXPECT_EQ(p.top, 200);
  EXPECT_EQ(p.left, 100);
  p.left = 700;
  CentreOnScreen(p, 1000, 800);
  EXPECT_EQ(p.left, 200);
}

}  // namespace
}  // namespace dornavik
