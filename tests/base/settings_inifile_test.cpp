// The initialisation-file store under the settings.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/files.h"
#include "base/inifile.h"

namespace dornavik {
namespace {

TEST(SettingsIniFile, ReadsValuesIgnoringCaseOfNamesAndLineEnds) {
  tinifile ini;
  // "Мащаб" written in capitals and looked up in small letters (cp1251).
  ini.Parse("; comment\r\n[System]\r\n WindowState = 2 \r\n\xCC\xC0\xD9\xC0\xC1=25000\n"
            "Red color=$FF\nDrag=1\nreal=2.5\ncomma=3,75\nbad=12x\n[maps]\r\nmap1=0\r\n");
  EXPECT_EQ(ini.ReadInteger("SYSTEM", "windowstate", 0), 2);
  EXPECT_EQ(ini.ReadInteger("system", "\xEC\xE0\xF9\xE0\xE1", 0), 25000);
  EXPECT_EQ(ini.ReadInteger("SYSTEM", "Red color", 0), 255);
  EXPECT_EQ(ini.ReadInteger("SYSTEM", "bad", 7), 7);
  EXPECT_EQ(ini.ReadInteger("SYSTEM", "missing", 7), 7);
  EXPECT_EQ(ini.ReadInteger("nosection", "WindowState", 7), 7);
  EXPECT_TRUE(ini.ReadBool("SYSTEM", "Drag", false));
  EXPECT_FALSE(ini.ReadBool("MAPS", "map1", true));
  EXPECT_DOUBLE_EQ(ini.ReadReal("SYSTEM", "real", 0), 2.5);
  EXPECT_DOUBLE_EQ(ini.ReadReal("SYSTEM", "comma", 0), 3.75);
  EXPECT_DOUBLE_EQ(ini.ReadReal("SYSTEM", "bad", 1.5), 1.5);
  EXPECT_EQ(ini.ReadString("SYSTEM", "real", ""), "2.5");
  EXPECT_EQ(ini.Keys("system").size(), 7u);
}

TEST(SettingsIniFile, WritesInPlaceAndKeepsWhatItDoesNotKnow) {
  tinifile ini;
  ini.Parse("; kept\r\n[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\nnot a value\r\ny=2\r\n");
  ini.WriteInteger("a", "X", 5);
  ini.WriteReal("A", "r", 0.1);
  ini.WriteBool("C", "flag", true);
  ini.WriteString("B", "z", " two\r\nlines ");
  EXPECT_EQ(ini.Text(),
            "; kept\r\n[A]\r\nx=5\r\nr=0.1\r\n; note\r\n\r\n[B]\r\nnot a value\r\ny=2\r\nz=two  lines\r\n"
            "[C]\r\nflag=1\r\n");
  ini.EraseSection("b");
  EXPECT_FALSE(ini.SectionExists("B"));
  EXPECT_EQ(ini.ReadInteger("A", "x", 0), 5);
  // Reals read back exactly.
  for (const double v : {5.0, 100.0, 0.1, 1e-7, 123456.789, -2.5}) {
    ini.WriteReal("R", "v", v);
    EXPECT_EQ(ini.ReadReal("R", "v", 0), v);
  }
}

TEST(SettingsIniFile, GarbledAndOversizedInputNeverCrash) {
  const std::string garbled[] = {
      std::string("[unclosed\r\nk=v\r\n=novalue\r\n[]\r\n\0\xFF\x1A=\x01\r\n[", 36),
      std::string(2'000'000, 'x') + "=1\n[S]\nk=" + std::string(100000, '9'),
      "\n\n\r\r\n====\n[[[]]]\n",
  };
  for (const auto& text : garbled) {
    tinifile ini;
    ini.Parse(text);
    tinifile again;
    again.Parse(ini.Text());
    EXPECT_EQ(again.Text(), ini.Text());
  }
  tinifile ini;
  ini.Parse(garbled[0]);
  EXPECT_EQ(ini.ReadString("unclosed", "k", ""), "v");
  tinifile big;
  big.Parse(garbled[1]);
  EXPECT_EQ(big.ReadInteger("S", "k", -1), -1);  // too large for an integer
}

TEST(SettingsIniFile, SavesAtomicallyWithCrLf) {
  const auto folder = std::filesystem::temp_directory_path() / "dornavik_inifile";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "t.ini").string();
  tinifile ini;
  EXPECT_FALSE(ini.Load(path));
  ini.WriteString("S", "k", "v");
  ASSERT_TRUE(ini.Save(path));
  std::string data;
  ASSERT_TRUE(ReadWholeFile(path, data));
  EXPECT_EQ(data, "[S]\r\nk=v\r\n");
  EXPECT_FALSE(ini.Save((folder / "missing" / "t.ini").string()));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace dornavik
