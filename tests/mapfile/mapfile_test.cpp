#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

#include "base/codepage.h"
#include "base/files.h"
#include "base/host.h"
#include "mapfile/mapfile.h"
#include "mapfile/mapsheet.h"
#include "mapfile/gridmap.h"
#include "model/shared.h"
#include "symbology/fonts.h"
#include "symbology/glyph.h"
#include "symbology/styles.h"

namespace dornavik {
namespace {

namespace fs = std::filesystem;

class trecordinghost : public thost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskForestryCode(std::string&) override { return false; }
  tprogress& Progress() override { return progress; }

  std::vector<std::string> messages;
  tsilentprogress progress;
};

std::string Fixture(const std::string& name) {
  return std::string(DORNAVIK_TEST_DATA) + "/mapfile/" + name;
}

std::string ReadBytes(const std::string& path) {
  std::string data;
  ReadWholeFile(path, data);
  return data;
}

void WriteBytes(const std::string& path, const std::string& data) {
  std::ofstream(path, std::ios::binary) << data;
}

// The saving date on line 1 made fixed, so that files compare byte for byte.
std::string WithFixedDate(std::string data) {
  if (data.size() > 26) data.replace(16, 10, "01.01.2000");
  return data;
}

std::vector<std::string> Lines(const std::string& data) {
  std::vector<std::string> lines;
  std::istringstream in(data);
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  return lines;
}

template <class T>
size_t Count(const ttypelist<T>& list) {
  return list.size();
}

size_t LineCount(const tafile& map) {
  size_t n = 0;
  for (int t = 0; t < kLineTypes; ++t) n += map.Lines(t).size();
  return n;
}

std::vector<std::pair<float, float>> PointsOf(const tline& l) {
  std::vector<std::pair<float, float>> p;
  for (int32_t n = l.first; n <= l.last; ++n) {
    float x, y;
    l.ReadPoint(n, x, y);
    p.emplace_back(x, y);
  }
  return p;
}

class MapFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMapShared();
    ResetNomenclature();
    SetNomenclatureScale(10000);
    ResetStrokeFonts();
    folder_ = fs::temp_directory_path() /
              ("mapfile_test_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  bool Load(tafile& map, const std::string& path) {
    return LoadMap(map, path, host_.progress, host_);
  }
  // Writes the text as the file GO.A and loads it into map.
  bool LoadText(tafile& map, const std::string& text) {
    WriteBytes(Path("GO.A"), text);
    return Load(map, Path("GO.A"));
  }
  std::string SaveText(tafile& map, tsavereport* report = nullptr) {
    tsavereport r = SaveMap(map, Path("OUT.A"), host_);
    EXPECT_TRUE(r.saved);
    if (report) *report = r;
    return ReadBytes(Path("OUT.A"));
  }

  fs::path folder_;
  trecordinghost host_;
};

tline* AddLine(tafile& map, int type, std::initializer_list<std::pair<float, float>> points) {
  auto line = map.NewLine();
  for (auto [x, y] : points) {
    int32_t r = map.Points().AppendPoint(x, y);
    if (line->last < line->first) line->first = r;
    line->last = r;
  }
  line->Finish();
  tline* raw = line.get();
  map.AddLine(line, type);
  return raw;
}

// The map of tiny.A, built in memory; `orphan` is a line outside the map that
// one contour still names as a side.
void BuildTiny(tafile& map, std::unique_ptr<tline>& orphan) {
  map.header = {"Tiny map", "line two", "", "K-5-35-B-a-1"};
  MapShared().sheet = 2;
  MapShared().x0 = 9540000;
  MapShared().y0 = 4595000;
  map.forestry.code = "GO";
  map.zem_file = "GORA.ZEM";
  map.zem_firm = "FIRM";
  map.zem_date = "01.02.2003";
  map.zem_program = "ZEMPRG 1.0";

  tline* l1 = AddLine(map, 5, {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}, {50, -10}});
  tline* l2 = AddLine(map, 5, {{0, 0}, {0, -50}});
  l2->width = 6.5f;
  l2->variant = 1;
  l2->attribute = 3;
  l2->hidden = 1;
  l2->pattern_offset = 1.25f;
  l2->strip = std::make_unique<tlineref>(tlineref{"1", "1", 25, -25.5f, 1});
  tline* l3 = AddLine(map, 7, {{0, 0}, {10, 10}});
  orphan = map.NewLine();

  totdel* o = map.NewCompartment("1");
  o->label_x = o->label_y = 50;
  auto c1 = std::make_unique<tpodotdel>();
  c1->number = "1";
  c1->label_x = 40.4f;
  c1->label_y = 40.6f;
  c1->sides = {{l1, 1}};
  o->AddContour(std::move(c1));
  auto c2 = std::make_unique<tpodotdel>();
  c2->number = "2";
  c2->label_x = 10;
  c2->label_y = -20;
  c2->linear = 1;
  c2->show_area = 0;
  c2->parent = std::make_unique<tpodref>(tpodref{"1", "1"});
  c2->sides = {{l2, 0}, {orphan.get(), 1}, {l3, 1}};
  o->AddContour(std::move(c2));

  ttextstyle style;
  style.color = 255;
  style.height_mm = 2.5f;
  style.width_mm = 1.5f;
  style.slant = std::numbers::pi_v<float> / 2;
  style.font = 2;
  auto t0 = std::make_unique<texttype>();
  t0->x = 10.5f;
  t0->y = 20.25f;
  t0->angle = std::numbers::pi_v<float> / 2;
  t0->spacing = 0.1f;
  t0->text = "TX";
  t0->SetOwnStyle(style);
  map.AddText(t0, 0);
  for (auto [x, y, s] : {std::tuple{1.f, 2.f, "A"}, std::tuple{3.f, 4.f, "B"}}) {
    auto t = std::make_unique<texttype>();
    t->x = x, t->y = y, t->text = s, t->justification = 1;
    map.AddText(t, 3, &Nomenclature().texts[3].style);
  }
  auto s1 = std::make_unique<tsign>();
  s1->x = 5, s1->y = 6, s1->angle = 0.5f;
  map.AddSign(s1, 65);
  auto s2 = std::make_unique<tsign>();
  s2->x = 7, s2->y = 8, s2->scale_x = 2, s2->scale_y = 3;
  map.AddSign(s2, 65);
  auto d = std::make_unique<tdrob>(tdrob{0, 12, 13, "12", "3.4"});
  map.AddDrob(d, 1);

  auto def = std::make_unique<tdefinition>();
  def->name = "DEF";
  def->x2 = def->y2 = 10;
  auto item = [](auto element) {
    auto i = std::make_unique<tblockitem>();
    i->element = std::move(element);
    return i;
  };
  auto bl = map.NewLine();
  bl->first = map.Points().AppendPoint(0, 0);
  bl->last = map.Points().AppendPoint(10, 10);
  bl->type = 2;
  bl->Finish();
  def->block.Insert(item(std::move(bl)));
  auto bt = std::make_unique<texttype>();
  bt->x = bt->y = 1;
  bt->text = "say \"hi\"";
  ttextstyle bs;
  bs.height_mm = 2, bs.width_mm = 1, bs.slant = std::numbers::pi_v<float> / 2;
  bt->SetOwnStyle(bs);
  def->block.Insert(item(std::move(bt)));
  auto bz = std::make_unique<tsign>();
  bz->type = 65, bz->x = 2, bz->y = 3;
  def->block.Insert(item(std::move(bz)));
  map.definitions.Insert(def);
  auto ins = std::make_unique<tinsert>();
  ins->name = "DEF", ins->x = 100, ins->y = 200, ins->count_x = 2, ins->spacing_x = 20;
  map.blocks.Insert(item(std::move(ins)));
}

TEST_F(MapFileTest, SavesTheHandWrittenFile) {
  tafile map;
  std::unique_ptr<tline> orphan;
  BuildTiny(map, orphan);
  tsavereport report;
  const std::string saved = SaveText(map, &report);
  EXPECT_EQ(WithFixedDate(saved), ReadBytes(Fixture("tiny.A")));
  EXPECT_EQ(saved.substr(0, 16), "RUREDIRID V5.59 ");
  EXPECT_EQ(saved.substr(26, 5), " \xE3.\r\n");
  EXPECT_EQ(report.missing_sides, std::vector<std::string>{Utf8ToWindows("Липсва страна в 2")});
  EXPECT_EQ(map.file_name, Path("OUT.A"));
}

TEST_F(MapFileTest, LoadsWhatItSavedAndSavesTheSameBytes) {
  tafile map;
  ASSERT_TRUE(Load(map, Fixture("tiny.A")));
  EXPECT_EQ(map.file_name, Fixture("tiny.A"));
  EXPECT_EQ(map.alive, 1);
  EXPECT_EQ(map.header[0], "Tiny map");
  EXPECT_EQ(map.header[3], "K-5-35-B-a-1");
  EXPECT_EQ(map.forestry.code, "GO");
  EXPECT_EQ(map.zem_program, "ZEMPRG 1.0");
  EXPECT_EQ(map.sheet, 2);
  EXPECT_EQ(MapShared().x0, 9540000);
  EXPECT_EQ(MapShared().y0, 4595000);

  ASSERT_EQ(map.Lines(5).size(), 2u);
  const tline& l2 = *map.Lines(5).front();
  EXPECT_EQ(l2.number, 1);
  EXPECT_EQ(l2.width, 6.5f);
  EXPECT_EQ(l2.variant, 1);
  EXPECT_EQ(l2.attribute, 3);
  EXPECT_EQ(l2.hidden, 1);
  EXPECT_EQ(l2.pattern_offset, 1.25f);
  ASSERT_TRUE(l2.strip);
  EXPECT_EQ(l2.strip->otdel, "1");
  EXPECT_EQ(l2.strip->marker_y, -25.5f);
  EXPECT_EQ(l2.strip->shown, 1);
  const tline& l1 = *map.Lines(5).back();
  EXPECT_EQ(PointsOf(l1).size(), 6u);
  EXPECT_EQ(PointsOf(l1).back(), std::make_pair(50.f, -10.f));

  totdel* o = map.FindCompartment("1");
  ASSERT_TRUE(o);
  EXPECT_EQ(o->count, 2);
  const tpodotdel& c2 = *o->Contours()[1];
  EXPECT_EQ(c2.number, "2");
  EXPECT_EQ(c2.linear, 1);
  EXPECT_EQ(c2.show_area, 0);
  ASSERT_TRUE(c2.parent);
  EXPECT_EQ(c2.parent->pod, "1");
  ASSERT_EQ(c2.sides.size(), 2u);
  EXPECT_EQ(c2.sides[0].line, &l2);
  EXPECT_EQ(c2.sides[0].direction, 0);
  EXPECT_TRUE(l2.OwnedBy(&c2));

  const texttype& t0 = *map.Texts(0).front();
  ASSERT_TRUE(t0.style);
  EXPECT_EQ(t0.style->color, 255);
  EXPECT_EQ(t0.style->font, 2);
  EXPECT_FLOAT_EQ(t0.style->height_m, 25);
  EXPECT_NEAR(t0.angle, std::numbers::pi / 2, 1e-6);
  EXPECT_EQ(map.Texts(3).front()->style, &Nomenclature().texts[3].style);
  EXPECT_EQ(map.Signs(65).size(), 2u);
  EXPECT_EQ(map.Drobs(1).front()->denominator, "3.4");

  ASSERT_EQ(map.definitions.Count(), 1);
  const tdefinition& def = *map.definitions.At(0);
  ASSERT_EQ(def.block.Count(), 3);
  const auto& bt = std::get<std::unique_ptr<texttype>>(def.block.At(1)->element);
  EXPECT_EQ(bt->text, "say \"hi\"");
  EXPECT_EQ(bt->style->color, 0);
  const auto& ins = std::get<std::unique_ptr<tinsert>>(map.blocks.At(0)->element);
  EXPECT_EQ(ins->definition, &def);
  EXPECT_EQ(ins->count_x, 2);

  EXPECT_EQ(WithFixedDate(SaveText(map)), ReadBytes(Fixture("tiny.A")));
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(MapFileTest, GeneratedMapSurvivesSaveAndLoad) {
  tafile original;
  BuildGridMap(original, 12, 11, 13);
  original.forestry.code = "GO";
  const std::string first = SaveText(original);
  tafile loaded;
  ASSERT_TRUE(Load(loaded, Path("OUT.A")));
  EXPECT_EQ(SaveText(loaded), first);

  ASSERT_EQ(loaded.CompartmentCount(), original.CompartmentCount());
  ASSERT_EQ(LineCount(loaded), LineCount(original));
  auto a = original.Lines(5).begin();
  for (const auto& b : loaded.Lines(5)) {
    EXPECT_EQ(b->number, (*a)->number);
    auto pa = PointsOf(**a), pb = PointsOf(*b);
    ASSERT_EQ(pa.size(), pb.size());
    for (size_t i = 0; i < pa.size(); ++i) {
      EXPECT_NEAR(pa[i].first, pb[i].first, 0.005);
      EXPECT_NEAR(pa[i].second, pb[i].second, 0.005);
    }
    ++a;
  }
  for (int i = 0; i < original.CompartmentCount(); ++i) {
    const auto& ca = original.CompartmentAt(i)->Contours();
    const auto& cb = loaded.CompartmentAt(i)->Contours();
    ASSERT_EQ(ca.size(), cb.size());
    for (size_t k = 0; k < ca.size(); ++k) {
      EXPECT_EQ(ca[k]->number, cb[k]->number);
      ASSERT_EQ(cb[k]->sides.size(), 4u);
      for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(cb[k]->sides[s].line->number, ca[k]->sides[s].line->number);
        EXPECT_EQ(cb[k]->sides[s].direction, ca[k]->sides[s].direction);
      }
      EXPECT_NEAR(cb[k]->area, 10000, 1);
      EXPECT_EQ(cb[k]->closed, 1);
    }
  }
}

TEST_F(MapFileTest, NewMapWritesEveryTerminator) {
  tafile map;
  const std::vector<std::string> lines = Lines(SaveText(map));
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[14], "0 0 5000 5000");
  EXPECT_EQ(lines[15], "0.00 0.00 0.00 5000.00 5000.00 5000.00 5000.00 0.00 ");
  const std::vector<std::string> tail(lines.begin() + 16, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"-1 1 1 3 0", "$$$", "-1", "-1", "-1", "0 BeginDefs",
                                            "0 EndDefs", "0 BeginBlocks", "0 EndBlocks", ""}));
  EXPECT_EQ(lines[7], WindowsToMik(Utf8ToWindows("КартенЛист=K-0        0.00       0.00")));
  EXPECT_EQ(lines[8], WindowsToMik(Utf8ToWindows("Горско.стопанство=  ")));
}

TEST_F(MapFileTest, SaveKeepsTheBackupAndAFailedSaveDestroysNothing) {
  tafile first, second;
  first.header[0] = "first";
  second.header[0] = "second";
  const std::string path = Path("GORA.A");
  ASSERT_TRUE(SaveMap(first, path, host_).saved);
  const std::string first_bytes = ReadBytes(path);
  ASSERT_TRUE(SaveMap(second, path, host_).saved);
  const std::string second_bytes = ReadBytes(path);
  EXPECT_EQ(ReadBytes(Path("GORA.BAK")), first_bytes);

  // A file size limit makes the writing fail as a full disk would.
  tafile big;
  BuildGridMap(big, 5, 5, 20);
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 2000;
  setrlimit(RLIMIT_FSIZE, &small);
  const tsavereport failed = SaveMap(big, path, host_);
  setrlimit(RLIMIT_FSIZE, &old);

  EXPECT_FALSE(failed.saved);
  EXPECT_EQ(ReadBytes(path), second_bytes);
  EXPECT_EQ(ReadBytes(Path("GORA.BAK")), first_bytes);
  EXPECT_EQ(big.file_name, "noname");
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0].substr(0, 5), "save ");
  size_t files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder_)) ++files;
  EXPECT_EQ(files, 2u);
}

TEST_F(MapFileTest, EarlyVersionWithoutVersionMark) {
  tafile map;
  ASSERT_TRUE(Load(map, Fixture("OLD100.A")));
  EXPECT_EQ(map.header[0], "Old map title");
  EXPECT_EQ(map.header[3], "K-3-12-A-b-3");
  // Zone 3, row 1, column 2, quarter A; less the lower-left bounds corner.
  EXPECT_EQ(MapShared().x0, 8380000 + 40000 - 100);
  EXPECT_EQ(MapShared().y0, 4480000 + 8 * 40000 + 20000 - 200);
  EXPECT_EQ(map.sheet, 1);
  EXPECT_EQ(map.corner_x, (std::array<float, 4>{100, 100, 1100, 1100}));
  EXPECT_EQ(map.corner_y, (std::array<float, 4>{200, 1200, 1200, 200}));
  // The forestry code comes from the file's name.
  EXPECT_EQ(map.forestry.code, "OL");
  ASSERT_EQ(map.Lines(5).size(), 1u);
  const tline& l = *map.Lines(5).front();
  EXPECT_EQ(l.number, 4);
  EXPECT_EQ(l.variant, 0);
  EXPECT_EQ(l.attribute, 1);
  EXPECT_EQ(l.width, 2.5f);
  // The repeated (10, 10) is read once.
  EXPECT_EQ(PointsOf(l), (std::vector<std::pair<float, float>>{
                             {0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}));
  const totdel* o = map.FindCompartment("7");
  ASSERT_TRUE(o);
  const tpodotdel& c = *o->First();
  EXPECT_EQ(c.show_area, 1);
  ASSERT_EQ(c.sides.size(), 1u);
  EXPECT_EQ(c.sides[0].line, &l);
  EXPECT_FLOAT_EQ(c.area, 100);
  // Labels of files before V5.58 are moved from their left end to their centre.
  const tnomdrob& d1 = Nomenclature().drobs[1];
  const auto part = [](const std::string& t, int k) {
    const ttextstyle& s = Nomenclature().texts[k].style;
    return TextWidth(TextFont(s.font), t) * s.width_m * 0.9 - s.width_m / 4;
  };
  EXPECT_FLOAT_EQ(c.label_x, 3 + std::max(part("1", d1.numerator), part("10.0", d1.denominator)) / 2);
  EXPECT_EQ(c.label_y, 3);
}

TEST_F(MapFileTest, V555TextsAreReanchored) {
  tafile map;
  ASSERT_TRUE(Load(map, Fixture("V555.A")));
  EXPECT_EQ(map.header[0], "Map 555");
  const auto width = [](const std::string& t, int font) {
    return static_cast<double>(TextWidth(TextFont(font), t));
  };
  // Type 0: its own style (10 m wide, 20 m high), angle 0.
  const texttype& t0 = *map.Texts(0).front();
  ASSERT_TRUE(t0.style);
  EXPECT_EQ(t0.style->flag, 1);
  EXPECT_EQ(t0.style->font, 1);
  EXPECT_EQ(t0.style->color, DefaultColorPalette()[2]);
  EXPECT_EQ(t0.justification, 7);
  EXPECT_FLOAT_EQ(t0.x, 100 + 0.5 * (0.2 * 10 + 10 * (width("AB", 1) - 0.4)));
  EXPECT_FLOAT_EQ(t0.y, 200 + 0.5 * 20);
  // Type 5 at 90 degrees, spacing 0.5: the text type's style, 10 m by 10 m.
  const texttype& t5 = *map.Texts(5).front();
  EXPECT_EQ(t5.justification, 7);
  EXPECT_NEAR(t5.x, 300 - 0.5 * 10, 1e-3);
  EXPECT_NEAR(t5.y, 400 + 0.5 * (0.2 * 10 + 1.5 * 10 * (width("C", 1) - 0.4)), 1e-3);
  // Type 1 keeps its anchor.
  const texttype& t1 = *map.Texts(1).front();
  EXPECT_EQ(t1.justification, 0);
  EXPECT_EQ(t1.x, 10);
  // Sign type 13 moves by its offset (0, -3).
  const tsign& s = *map.Signs(13).front();
  EXPECT_EQ(s.x, 50);
  EXPECT_EQ(s.y, 63);
  EXPECT_GT(map.Drobs(1).front()->x, 20);
  EXPECT_EQ(map.definitions.Count(), 0);
}

TEST_F(MapFileTest, SheetNomenclatureGivesTheOrigin) {
  struct tcase {
    const char* sheet;
    double x0, y0;
    int index;
  } cases[] = {
      {"K-5-35-B-a-1", 9380000 + 4 * 40000, 4340000 + 6 * 40000 + 10000 + 5000, 2},
      // MIK Г and г, quarter 4.
      {"K-9-11-\x83-\xA3-4", 8360000 + 20000 + 10000 + 5000, 4320000 + 8 * 40000, 4},
      {"K-3-1x-\x81-\xA1-2", 8380000 + 20000 + 10000 + 5000, 4480000 + 20000 + 10000 + 5000, 1},
      {"K-7", 9400000, 4460000, 3},
      {"", 8360000, 4320000, 0},
  };
  for (const tcase& c : cases) {
    const tsheetorigin o = SheetOrigin(c.sheet);
    EXPECT_EQ(o.x0, c.x0) << c.sheet;
    EXPECT_EQ(o.y0, c.y0) << c.sheet;
    EXPECT_EQ(o.sheet, c.index) << c.sheet;
  }
  // A V5.50 file has no PARAMETERS: header line 4 gives the origin, less the
  // bounds' lower-left corner; a second load of it gets no shift.
  const std::string file =
      "RUREDIRID V5.50 01.01.2000\r\n\r\n\r\nK-5-35-B-a-1\r\n100 200 300 400\r\n"
      "0 0 0 0 0 0 0 0 \r\n  0.0 1   5 0 1 0.00 0\r\n110.00 220.00 -1 -1\r\n-1 1 1 3 0\r\n$$$\r\n";
  for (int load = 0; load < 2; ++load) {
    tafile map;
    ASSERT_TRUE(LoadText(map, file));
    EXPECT_EQ(MapShared().x0, 9540000 - 100);
    EXPECT_EQ(MapShared().y0, 4595000 - 200);
    EXPECT_EQ(map.sheet, 2);
    EXPECT_EQ(PointsOf(*map.Lines(5).front()).front(), std::make_pair(110.f, 220.f));
  }
}

// A V5.59 file of one line and one contour, with the given rests of the
// line's header and the contour's label line, and its sheet origin at
// (1010, 2020).
std::string ReferenceFile(const std::string& strip, const std::string& parent) {
  return "RUREDIRID V5.59 01.01.2000\r\nT\r\n\r\n\r\n\r\nPARAMETERS\r\n" +
         WindowsToMik(Utf8ToWindows("КартенЛист=K-5  1010.00 2020.00")) +
         "\r\nENDPARA\r\n0 0 10 10\r\n0 0 0 0 0 0 0 0 \r\n  1.0 1   5 0 1 0.00 0" + strip +
         "\r\n0.00 0.00 1.00 1.00 -1 -1\r\n-1 1 1 3 0\r\n1\r\n0 0\r\n1\r\n0 0 0 1" + parent +
         "\r\n1 99 0\r\n$$\r\n$$$\r\n";
}

TEST_F(MapFileTest, ReferencesInAllTheirForms) {
  struct tcase {
    const char* rest;
    const char *otdel, *pod;
    float marker_x, marker_y;
    int shown;
  } strips[] = {
      {" 12/3/100.00/200.00/1", "12", "3", 110, 220, 1},
      {" 12/3/100.00/200.00/0", "12", "3", 110, 220, 0},
      {" 12/3/5.00/6.00", "12", "3", 15, 26, 0},
      {" 12/3/-1.00/0.00", "12", "3", -1, 0, 1},  // not placed: not shifted
      {" 12/3a", "12", "3a", 0, 0, 0},
      {" 12 3", "*12", "3", 0, 0, 0},
      {" 12345678901/3", "1234567890", "3", 0, 0, 0},
  };
  for (const tcase& c : strips) {
    ResetMapShared();
    MapShared().x0 = 1000;
    MapShared().y0 = 2000;
    tafile map;
    ASSERT_TRUE(LoadText(map, ReferenceFile(c.rest, "")));
    const tline& l = *map.Lines(5).front();
    ASSERT_TRUE(l.strip) << c.rest;
    EXPECT_EQ(l.strip->otdel, c.otdel) << c.rest;
    EXPECT_EQ(l.strip->pod, c.pod) << c.rest;
    EXPECT_FLOAT_EQ(l.strip->marker_x, c.marker_x) << c.rest;
    EXPECT_FLOAT_EQ(l.strip->marker_y, c.marker_y) << c.rest;
    EXPECT_EQ(l.strip->shown, c.shown) << c.rest;
  }
  struct tparent {
    const char* rest;
    const char *otdel, *pod;
  } parents[] = {{" 1/2", "1", "2"}, {" 1 2", "*1", "2"}, {" 1", "*1", ""}};
  for (const tparent& p : parents) {
    ResetMapShared();
    tafile map;
    ASSERT_TRUE(LoadText(map, ReferenceFile("", p.rest)));
    EXPECT_FALSE(map.Lines(5).front()->strip);
    const tpodotdel& c = *map.FindCompartment("1")->First();
    ASSERT_TRUE(c.parent) << p.rest;
    EXPECT_EQ(c.parent->otdel, p.otdel) << p.rest;
    EXPECT_EQ(c.parent->pod, p.pod) << p.rest;
    // Side 99 names no line and is dropped.
    ASSERT_EQ(c.sides.size(), 1u);
    EXPECT_EQ(c.sides[0].line, map.Lines(5).front().get());
  }
}

TEST_F(MapFileTest, ShiftIntoTheSharedFrame) {
  MapShared().x0 = 9540000 - 1000;
  MapShared().y0 = 4595000 + 500;
  tafile map;
  ASSERT_TRUE(Load(map, Fixture("tiny.A")));
  EXPECT_EQ(map.bounds.xmin, 1000);
  EXPECT_EQ(map.corner_y[1], 4500);
  EXPECT_EQ(PointsOf(*map.Lines(7).front()).back(), std::make_pair(1010.f, -490.f));
  EXPECT_EQ(map.Lines(5).front()->strip->marker_x, 1025);
  const totdel& o = *map.FindCompartment("1");
  EXPECT_EQ(o.label_x, 1050);
  EXPECT_EQ(o.First()->label_y, 41 - 500);
  EXPECT_EQ(map.Texts(0).front()->x, 1010.5);
  EXPECT_EQ(map.Signs(65).back()->y, 6 - 500);
  EXPECT_EQ(map.Drobs(1).front()->x, 1012);
  // Block lines and texts stay in the definition's own frame; signs and
  // inserts move.
  const tblock& block = map.definitions.At(0)->block;
  EXPECT_EQ(PointsOf(*std::get<std::unique_ptr<tline>>(block.At(0)->element)).back(),
            std::make_pair(10.f, 10.f));
  EXPECT_EQ(std::get<std::unique_ptr<texttype>>(block.At(1)->element)->x, 1);
  EXPECT_EQ(std::get<std::unique_ptr<tsign>>(block.At(2)->element)->x, 1002);
  EXPECT_EQ(std::get<std::unique_ptr<tinsert>>(map.blocks.At(0)->element)->y, -300);
}

TEST_F(MapFileTest, DefinitionsBindLateAndNeverPlaceThemselves) {
  const std::string file =
      "RUREDIRID V5.59 01.01.2000\r\nT\r\n\r\n\r\n\r\nPARAMETERS\r\nENDPARA\r\n0 0 10 10\r\n"
      "0 0 0 0 0 0 0 0 \r\n-1 1 1 3 0\r\n$$$\r\n-1\r\n-1\r\n-1\r\n0 BeginDefs\r\n"
      "D \"A\" 0 0 1 1\r\n0 BeginBlocks\r\nB \"B\" 1 2 1 1 0 1 1 1 1\r\n0 EndBlocks\r\n"
      "D \"B\" 0 0 1 1\r\n0 BeginBlocks\r\nB \"C\" 0 0 1 1 0 1 1 1 1\r\n?junk\r\n\r\n0 EndBlocks\r\n"
      "D \"C\" 0 0 1 1\r\n0 BeginBlocks\r\nB \"A\" 0 0 1 1 0 1 1 1 1\r\n0 EndBlocks\r\n"
      "D \"A\" 5 5 6 6\r\n0 BeginBlocks\r\n0 EndBlocks\r\n"
      "0 EndDefs\r\n0 BeginBlocks\r\nB \"A\" 7 8 1 1 0 3 1 1 1\r\nB \"none\" 0 0 1 1 0 1 1 1 1\r\n"
      "0 EndBlocks\r\nT\r\n";
  tafile map;
  ASSERT_TRUE(LoadText(map, file));
  ASSERT_EQ(map.definitions.Count(), 3);  // the second "A" is not added
  const auto insert = [](const tdefinition& d) {
    return std::get<std::unique_ptr<tinsert>>(d.block.At(0)->element).get();
  };
  const tdefinition &a = *map.definitions.At(0), &b = *map.definitions.At(1),
                    &c = *map.definitions.At(2);
  EXPECT_EQ(a.x1, 0);
  EXPECT_EQ(insert(a)->definition, &b);  // bound once B was read
  EXPECT_EQ(b.block.Count(), 1);
  EXPECT_EQ(insert(b)->definition, &c);
  // C placing A would close the ring A -> B -> C -> A.
  EXPECT_EQ(insert(c)->definition, nullptr);
  ASSERT_EQ(map.blocks.Count(), 2);
  EXPECT_EQ(std::get<std::unique_ptr<tinsert>>(map.blocks.At(0)->element)->definition, &a);
  EXPECT_EQ(std::get<std::unique_ptr<tinsert>>(map.blocks.At(0)->element)->count_x, 3);
  EXPECT_EQ(std::get<std::unique_ptr<tinsert>>(map.blocks.At(1)->element)->definition, nullptr);
}

TEST_F(MapFileTest, TruncatedAnywhereLoadsWhatPrecedes) {
  const std::string whole = ReadBytes(Fixture("tiny.A"));
  // Every line of the file cut at its start and in its middle.
  std::vector<size_t> cuts;
  for (size_t start = 0, end; start < whole.size(); start = end + 1) {
    end = whole.find('\n', start);
    cuts.push_back(start);
    cuts.push_back((start + end) / 2);
  }
  cuts.push_back(whole.size());
  size_t lines = 0, texts = 0, contours = 0;
  for (size_t n : cuts) {
    ResetMapShared();
    tafile map;
    ASSERT_TRUE(LoadText(map, whole.substr(0, n)));
    ASSERT_EQ(map.alive, 1);
    size_t l = LineCount(map), t = map.Texts(0).size() + map.Texts(3).size(), c = 0;
    // A terminator cut short ("$" of "$$") reads as one more contour.
    for (int i = 0; i < map.CompartmentCount(); ++i)
      for (const auto& contour : map.CompartmentAt(i)->Contours()) c += contour->number[0] != '$';
    ASSERT_GE(l, lines) << n;
    ASSERT_GE(t, texts) << n;
    ASSERT_GE(c, contours) << n;
    lines = l, texts = t, contours = c;
    SaveMap(map, Path("OUT.A"), host_);
  }
  EXPECT_EQ(lines, 3u);
  EXPECT_EQ(texts, 3u);
  EXPECT_EQ(contours, 2u);
}

TEST_F(MapFileTest, TenMegabyteLines) {
  const std::vector<std::string> tiny = Lines(ReadBytes(Fixture("tiny.A")));
  const std::string huge(10 << 20, '7');
  struct tcase {
    size_t line;  // replaced by the huge line (0-based)
    size_t lines, texts, signs;
  } cases[] = {
      {0, 0, 0, 0},    // line 1 without "V": an old file that reads nothing sensible
      {19, 2, 0, 0},   // a number of 10 MB among the points ends the reading
      {24, 3, 1, 2},   // a compartment number: its first 10 characters
      {36, 3, 1, 2},   // a text
  };
  for (const tcase& c : cases) {
    ResetMapShared();
    std::string file;
    for (size_t i = 0; i < tiny.size(); ++i) file += (i == c.line ? huge : tiny[i]) + "\r\n";
    tafile map;
    ASSERT_TRUE(LoadText(map, file));
    EXPECT_EQ(LineCount(map), c.lines) << c.line;
    EXPECT_EQ(map.Texts(0).size(), c.texts) << c.line;
    EXPECT_EQ(map.Signs(65).size(), c.signs) << c.line;
    if (c.line == 24) {
      ASSERT_EQ(map.CompartmentCount(), 1);
      EXPECT_EQ(map.CompartmentAt(0)->number, huge.substr(0, 10));
    }
    if (c.line == 36) {
      EXPECT_EQ(map.Texts(0).front()->text.size(), huge.size());
    }
  }
}

TEST_F(MapFileTest, MissingFileLoadsNothing) {
  tafile map;
  EXPECT_FALSE(Load(map, Path("none.A")));
  EXPECT_EQ(map.file_name, "noname");
  EXPECT_EQ(map.alive, 1);
}

}  // namespace
}  // namespace dornavik
