#include "checks/errtable.h"

#include <gtest/gtest.h>

#include "base/codepage.h"
#include "base/files.h"
#include "checks/findingtexts.h"
#include "tables/recordinghost.h"
#include "tables/zemschemas.h"

namespace dornavik {
namespace {

using testing::trecordinghost;
using testing::tscratchfolder;

terrrec Finding(int code, int ipara = 0) {
  terrrec f;
  f.code = code;
  f.ipara = ipara;
  return f;
}

std::string U(const std::string& cp1251) { return WindowsToUtf8(cp1251); }

TEST(ErrorTable, NameFollowsTheZemFile) {
  EXPECT_EQ(ErrorTableName("/p/Gora.zem"), "/p/Goraer");
  EXPECT_EQ(ErrorTableName("/p/a.b.zem"), "/p/a.ber");
}

TEST(ErrorTable, FindingsAreStoredReadBackAndDeletedByCode) {
  tscratchfolder dir("errtable");
  trecordinghost host;
  Terrdbfile table(host, ErrorTableName(dir.Path() + "Gora.zem"));
  table.Open();
  ASSERT_TRUE(table.IsOpen());
  ASSERT_TRUE(FileFound(dir.Path() + "Goraer.DBF"));
  const char* names[] = {"COD", "OTDEL", "POD", "LINE", "TABLE", "IPARA", "RPARA", "NOM", "OTDEL1", "POD1"};
  ASSERT_EQ(table.FieldCount(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(table.Field(i).name, names[i]);
  EXPECT_EQ(table.Field(6).width, 10);
  EXPECT_EQ(table.Field(6).decimals, 2);

  terrrec full;
  full.code = 111;
  full.otdel = "   12";
  full.pod = "    1\xE0  ";
  full.line = 4711;
  full.table = 3;
  full.ipara = -5;
  full.rpara = 1234.56;
  full.nom = 15;
  full.otdel1 = "  123456";      // cut to 5
  full.pod1 = "1234567890";       // cut to 8
  const int codes[] = {106, 1, 106, 999, 201, 106, 215};
  for (int c : codes) table.AppendFinding(c == 111 ? full : Finding(c, c));
  table.AppendFinding(full);
  table.DeleteFindings(106);
  std::vector<int> left;
  for (bool row = table.First(); row; row = table.Next()) left.push_back(table.ReadFinding().code);
  EXPECT_EQ(left, (std::vector<int>{1, 999, 201, 215, 111}));

  table.Close();
  table.Open();  // what was written is in the file
  ASSERT_TRUE(table.First());
  while (table.ReadFinding().code != 111) ASSERT_TRUE(table.Next());
  terrrec back = table.ReadFinding();
  EXPECT_EQ(back.otdel, "   12");
  EXPECT_EQ(back.pod, "    1\xE0");  // trailing blanks are not part of a text value
  EXPECT_EQ(back.line, 4711);
  EXPECT_EQ(back.table, 3);
  EXPECT_EQ(back.ipara, -5);
  EXPECT_DOUBLE_EQ(back.rpara, 1234.56);
  EXPECT_EQ(back.nom, 15);
  EXPECT_EQ(back.otdel1, "  123");
  EXPECT_EQ(back.pod1, "12345678");
  EXPECT_TRUE(host.messages.empty());

  table.Empty();
  EXPECT_TRUE(table.IsOpen());
  EXPECT_FALSE(table.First());
}

TEST(ErrorTable, ClosedTableSkipsAppends) {
  tscratchfolder dir("errtable-closed");
  trecordinghost host;
  Terrdbfile table(host, dir.Path() + "xer");
  table.AppendFinding(Finding(1));
  table.DeleteFindings(1);
  EXPECT_FALSE(FileFound(dir.Path() + "xer.DBF"));
}

struct tcase {
  terrrec finding;
  const char* text;  // UTF-8
};

terrrec With(int code, void (*set)(terrrec&)) {
  terrrec f;
  f.code = code;
  set(f);
  return f;
}

TEST(FindingTexts, MessagesOfEveryKind) {
  ResetZemSchemas();
  const tcase cases[] = {
      {Finding(1, 210), "Грешна версия на файла 2.10"},
      {Finding(106, 42), "Грешнa страна           42"},
      {Finding(103, 7), "Грешен тип на знак    7"},
      {Finding(999), "Грешка код 999"},
      {Finding(102), "Грешно задаен теkст"},
      {Finding(217), "Липсваща стойност за ГСУ"},
      {With(201, [](terrrec& f) { f.table = 3; f.nom = 5; }), "Липсващо поле вид територия"},
      {With(201, [](terrrec& f) { f.table = 3; f.nom = 1; }), "Липсващо поле IDENT       "},
      {With(210, [](terrrec& f) { f.table = 4; f.nom = 6; }), "Грешен код за горскостопански участък"},
      {With(213, [](terrrec& f) { f.table = 9; f.nom = 1; }), "Грешна стойност за             "},
      {With(203, [](terrrec& f) { f.table = 5; f.nom = 22; }), "Грешна дължина на поле             "},
      {With(215, [](terrrec& f) { f.line = 88; }), "Липсва END_TABLE в ред 88"},
      {With(208, [](terrrec& f) { f.line = 3; f.pod = "    1   "; }),
       "Липсва код на отдел        в ред 3 подотдел 1"},
      {With(209, [](terrrec& f) { f.line = 3; f.otdel = "   12"; }),
       "Липсва код на подотдел     в ред 3 отдел    12"},
      {With(207, [](terrrec& f) { f.otdel = "   12"; f.pod = "    1   "; }),
       "Липсва код на лесничейство    12/1"},
      {With(111, [](terrrec& f) { f.otdel1 = "    7"; f.pod1 = "     \xE1  "; }),
       "Пресичане с подотдел     7/б"},
      {With(110, [](terrrec& f) { f.rpara = 10049.6; f.pod1 = "10000.00"; f.ipara = 17; }),
       "Разлика м/у площта по графика    10050 кв.м и площта в контролния блок 10000.00 кв.м. за контур 17"},
      {With(116, [](terrrec& f) { f.rpara = 30.5; }), "Голям подотдел     30.5 xa."},
      {With(222, [](terrrec& f) { f.rpara = 1.0049; f.ipara = 12; }),
       "Разлика м/у площта по графика      1.0 ха. и площта от проекта -      1.2ха."},
  };
  for (const tcase& c : cases) {
    SCOPED_TRACE(c.finding.code);
    EXPECT_EQ(U(FindingText(c.finding)), c.text);
  }
  // The Latin letters of 102 and 106 are bytes of the Latin alphabet in cp1251.
  EXPECT_EQ(FindingShortText(106).substr(0, 6), "\xC3\xF0\xE5\xF8\xED" "a");
  EXPECT_EQ(FindingShortText(102).substr(14), "\xF2\xE5k\xF1\xF2");
}

TEST(FindingTexts, SectionsByCodeAndTable) {
  const std::pair<terrrec, const char*> cases[] = {
      {Finding(13), "Заглавие  "},
      {Finding(110), "Графика   "},
      {With(201, [](terrrec& f) { f.table = 4; }), "PODOTDELI1"},
      {With(201, [](terrrec& f) { f.table = 7; }), "CONTROL "},
      {With(201, [](terrrec& f) { f.table = 0; }), "          "},
  };
  for (const auto& [finding, text] : cases) EXPECT_EQ(U(FindingSection(finding)), text);
}

}  // namespace
}  // namespace dornavik
