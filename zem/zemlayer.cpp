// The LAYER block of a ZEM file: points, signs, texts, lines and contours.
#include <array>
#include <cstdlib>

#include "base/codepage.h"
#include "model/geometry.h"
#include "symbology/styles.h"
#include "zem/zemreader.h"

namespace dornavik {

namespace {

// Sign type of a point record by ZEM point type 1..28.
constexpr std::array<int, 29> kPointTypeTable = {0, 1, 2, 9, 4,  9, 9, 9, 3, 5, 8,  8, 8,  8, 9,
                                                 9, 6, 9, 7, 9, 8, 9, 9, 9, 10, 9, 9, 12, 9};
constexpr int kTextNotAdded = 503;
constexpr int kHiddenLineCode = 175;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void tzemreader::ReadLayer(std::string_view name) {
  // "КАДАСТЪР" in the DOS code page of the file.
  static const std::string cadaster_dos = WindowsToOem("\xCA\xC0\xC4\xC0\xD1\xD2\xDA\xD0");
  if (name == "CADASTER" || name == cadaster_dos) {
    current_ = &cadaster_;
  } else if (name == "LESO") {
    current_ = &forest_;
  } else {
    AddFinding(10, 0, line_number_);
    current_ = nullptr;
    SkipTo("END_LAYER");
    return;
  }
  // The lines of this block by ZEM line number; only its C records use them.
  std::unordered_map<int32_t, tline*> lines;
  NextLine();
  while (!at_end_ && !stopped_) {
    tzemline& l = line_;
    std::string_view record = l.Token();
    if (record == "END_LAYER") return;
    if (record == "P") {
      ReadPointRecord();
    } else if (record == "S") {
      ReadSignRecord();
    } else if (record == "T") {
      ReadTextRecord();
    } else if (record == "L") {
      ReadLineRecord(lines);
    } else if (record == "C") {
      ReadContourRecord(lines);
    } else {
      if (!record.empty()) AddFinding(109, 0, line_number_);
      NextLine();
    }
  }
}

void tzemreader::SkipTo(std::string_view end_keyword) {
  while (NextLine())
    if (line_.Token() == end_keyword) return;
}

void tzemreader::ReadPointRecord() {
  int32_t type = ZemInt(line_.Token());
  line_.Token();  // the point's number is not kept
  double a = ZemReal(line_.Token());
  double b = ZemReal(line_.Token());
  int sign_type = kDefaultSignType;
  if (type >= 1 && type <= 28) {
    sign_type = kPointTypeTable[type];
  } else {
    AddFinding(104, type, line_number_);
  }
  auto sign = std::make_unique<tsign>();
  sign->y = MapY(a);
  sign->x = MapX(b);
  map_.AddSign(sign, sign_type);
  NextLine();
}

void tzemreader::ReadSignRecord() {
  int32_t code = ZemInt(line_.Token());
  line_.Token();
  double a = ZemReal(line_.Token());
  double b = ZemReal(line_.Token());
  double angle = ZemReal(line_.Token());
  if (code == 195) code = 542;
  if (code == 51) code = 52;
  int sign_type = codes_.SignType(code);
  if (sign_type < 0) {
    AddFinding(103, code, line_number_);
    sign_type = kDefaultSignType;
  }
  auto sign = std::make_unique<tsign>();
  sign->y = MapY(a);
  sign->x = MapX(b);
  sign->angle = GradsToRadians(angle);
  map_.AddSign(sign, sign_type);
  NextLine();
}

void tzemreader::ReadTextRecord() {
  int32_t code = ZemInt(line_.Token());
  line_.Token();
  double a = ZemReal(line_.Token());
  double b = ZemReal(line_.Token());
  bool has_angle = !line_.Empty();
  double angle = ZemReal(line_.Token());
  int text_type = codes_.TextType(code);
  if (text_type < 0) {
    AddFinding(101, code, line_number_);
    text_type = kDefaultTextType;
  }
  auto text = std::make_unique<texttype>();
  text->y = MapY(a);
  text->x = MapX(b);
  text->angle = has_angle ? GradsToRadians(angle) : 0.0f;
  text->justification = 0;
  // A text record cut off by the end of the file adds nothing.
  if (!NextLine()) return;
  if (line_.First() == '"') {
    text->text = ZemQuotedText(line_.Text());
  } else {
    std::string kind = Cut(line_.Token(), 20);
    line_.Token();  // an integer, not kept
    line_.Token();  // a second token, not kept
    text->text = ZemQuotedText(line_.Rest());
    if (kind != "P" && kind != "L" && kind != "C" && kind != "S") AddFinding(102, 0, line_number_);
  }
  if (code != kTextNotAdded) map_.AddText(text, text_type, &Nomenclature().texts[text_type].style);
  NextLine();
}

void tzemreader::ReadLineRecord(std::unordered_map<int32_t, tline*>& lines) {
  int32_t code = ZemInt(line_.Token());
  int32_t number = ZemInt(line_.Token());
  line_.Token();  // not used
  double width = ZemReal(line_.Token());
  auto line = map_.NewLine();
  if (code == 535 || code == 536) {
    code = code == 535 ? 73 : 74;
    line->variant = 1;
  }
  int line_type = codes_.LineType(code);
  if (line_type < 0) {
    if (!line->variant) AddFinding(105, code, line_number_);
    line_type = kDefaultLineType;
  }
  line->number = number;
  line->width = static_cast<float>(width);
  line->hidden = code == kHiddenLineCode;
  tpointstore& store = map_.Points();
  while (NextLine() && IsDigit(line_.First())) {
    while (!line_.Empty()) {
      std::string_view point = line_.Token(';');
      TakeToken(point);  // the point's number is not kept
      double a = ZemReal(TakeToken(point));
      double b = ZemReal(TakeToken(point));
      int32_t n = store.AppendPoint(MapX(b), MapY(a));
      if (line->last < line->first) line->first = n;
      line->last = n;
    }
  }
  line->Finish();
  tline* kept = line.get();
  if (map_.AddLine(line, line_type)) lines.emplace(number, kept);
}

void tzemreader::ReadContourRecord(const std::unordered_map<int32_t, tline*>& lines) {
  line_.Token();  // not used
  int32_t number = ZemInt(line_.Token());
  double a = ZemReal(line_.Token());
  double b = ZemReal(line_.Token());
  auto contour = std::make_unique<tpodotdel>();
  contour->polygon_id = number;
  contour->label_y = MapY(a);
  contour->label_x = MapX(b);
  contour->number = std::string(1, '\x01');  // not named by a PODOTDELI row yet
  tpodotdel* c = contour.get();
  if (!current_->Add(std::move(contour))) AddFinding(107, number, line_number_);
  while (NextLine() && (line_.First() == '-' || IsDigit(line_.First()))) {
    while (!line_.Empty()) {
      int64_t side = ZemInt(line_.Token());
      int32_t id = static_cast<int32_t>(std::min<int64_t>(std::llabs(side), INT32_MAX));
      auto at = lines.find(id);
      if (at == lines.end()) {
        AddFinding(106, id, line_number_);
        continue;
      }
      AddImportedSide(*c, *at->second);
    }
  }
  if (c->sides.empty()) AddFinding(108, number, at_end_ ? line_number_ : line_number_ - 1);
}

}  // namespace dornavik
