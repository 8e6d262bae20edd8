#include "zem/zemreader.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/codepage.h"
#include "base/text.h"
#include "base/errors.h"
#include "model/shared.h"
#include "base/files.h"
#include "symbology/styles.h"
#include "tables/dmnom.h"
#include "zem/zemtable.h"

namespace dornavik {

tzemreader::tzemreader(tafile& map, thost& host, tfindingsink findings,
                       tprojecttablesopener open_tables)
    : map_(map),
      host_(host),
      findings_(std::move(findings)),
      open_tables_(std::move(open_tables)),
      codes_(BuildZemCodeMaps(Nomenclature())) {}

tzemreader::~tzemreader() = default;

T_dmNom& tzemreader::SettlementTables() {
  if (nom_tables_) return *nom_tables_;
  if (!own_nom_tables_) own_nom_tables_ = std::make_unique<T_dmNom>(host_, ProgramFolder());
  return *own_nom_tables_;
}

bool tzemreader::Open(const std::string& file_name, tprogress* progress) {
  file_name_ = file_name;
  progress_ = progress;
  line_number_ = 0;
  at_end_ = stopped_ = false;
  if (progress_) {
    if (!file_.Open(file_name)) return false;
    std::string skip;
    while (file_.ReadLine(skip)) {
    }
    total_lines_ = file_.LineNumber();
    file_.Close();
    progress_->SetRange(0, static_cast<int>(std::min<long>(total_lines_, std::numeric_limits<int>::max())));
  }
  return file_.Open(file_name);
}

void tzemreader::Close() { file_.Close(); }

bool tzemreader::NextLine() {
  if (at_end_ || stopped_ || !file_.ReadLine(raw_)) {
    at_end_ = !stopped_;
    line_.Assign({});
    return false;
  }
  ++line_number_;
  line_.Assign(raw_);
  if (progress_) progress_->SetPosition(static_cast<int>(std::min<long>(line_number_, std::numeric_limits<int>::max())));
  host_.PumpMessages();
  return true;
}

void tzemreader::AddFinding(int code, int32_t ipara, long line) {
  terrrec f;
  f.code = code;
  f.ipara = ipara;
  f.line = static_cast<int32_t>(line);
  findings_(f);
}

void tzemreader::ShowLine() {
  if (!progress_) return;
  progress_->SetLabel1(OemToWindows(line_.Text()));
  progress_->SetLabel2("");
}

void tzemreader::ReadAll() {
  try {
    while (ReadBlock()) {
    }
  } catch (const terror& e) {
    // The point store is full, say: what was read stays, the rest is not read.
    host_.ShowMessage(e.what());
    stopped_ = true;
  }
}

bool tzemreader::ReadBlock() {
  if (!NextLine()) return false;
  ShowLine();
  std::string_view keyword = line_.Token();
  if (keyword == "HEADER") {
    ReadHeader();
  } else if (keyword == "LAYER") {
    std::string name(line_.Token());
    ReadLayer(name);
  } else if (keyword == "CONTROL") {
    ReadControl();
  } else if (keyword == "TABLE") {
    std::string name(line_.Token());
    if (!name.empty()) ReadZemTable(*this, name);
  } else if (!keyword.empty()) {
    AddFinding(12, 0, line_number_);
  }
  return !at_end_ && !stopped_;
}

// --- HEADER

void tzemreader::ReadHeader() {
  for (;;) {
    if (!NextLine()) {
      // A header without its end: nothing more is read.
      stopped_ = true;
      at_end_ = false;
      return;
    }
    std::string_view keyword = line_.Token();
    if (keyword == "END_HEADER") return;
    if (keyword == "VERSION") {
      std::string value(line_.Token());
      if (value == "1.00") {
        version_ = 100;
      } else if (value == "2.00") {
        version_ = 200;
      } else if (value == "2.10") {
        version_ = 210;
      } else {
        AddFinding(1, static_cast<int32_t>(std::lround(std::clamp(ZemReal(value) * 100, -2e9, 2e9))),
                   line_number_);
        // "Грешна версия на файла "
        host_.ShowMessage("\xC3\xF0\xE5\xF8\xED\xE0 \xE2\xE5\xF0\xF1\xE8\xFF \xED\xE0 \xF4\xE0\xE9\xEB\xE0 " +
                          OemToWindows(value));
        stopped_ = true;
        return;
      }
    } else if (keyword == "EKNM") {
      eknm_ = Cut(line_.Token(), 5);
    } else if (keyword == "PROGRAM") {
      map_.zem_program = std::string(line_.Rest());
    } else if (keyword == "DATE") {
      map_.zem_date = std::string(line_.Rest());
    } else if (keyword == "FIRM") {
      map_.zem_firm = std::string(line_.Rest());
    } else if (keyword == "REFERENCE") {
      double a = ZemReal(line_.Token());
      double b = ZemReal(line_.Token());
      SetReference(a, b);
    }
  }
}

// The first file read while the shared origin is zero fixes it; later files
// are shifted into it.
void tzemreader::SetReference(double a, double b) {
  tmapshared& shared = MapShared();
  if (shared.x0 != 0 || shared.y0 != 0) {
    y_offset_ = a - shared.y0;
    x_offset_ = b - shared.x0;
  } else {
    y_offset_ = x_offset_ = 0;
    shared.x0 = b;
    shared.y0 = a;
  }
}

float tzemreader::MapY(double a) const { return ToFloat(a + y_offset_); }
float tzemreader::MapX(double b) const { return ToFloat(b + x_offset_); }

// --- CONTROL

void tzemreader::ReadControl() {
  while (NextLine()) {
    std::string_view keyword = line_.Token();
    if (keyword == "END_CONTROL") return;
    bool surround = keyword == "CONTUR_SURROUND";
    if (!surround && keyword != "CONTUR_AREA") continue;
    if (!current_) continue;
    std::string c = Cut(TrimBoth(line_.Token()), 10);
    std::string second(line_.Token());
    int32_t id = ZemInt(c);
    tpodotdel* contour = current_->Find(id);
    if (!contour) {
      AddFinding(11, id, line_number_);
      continue;
    }
    if (surround) {
      if (!contour->parent) contour->parent = std::make_unique<tpodref>();
      contour->parent->otdel.clear();
      contour->parent->pod = Cut(TrimBoth(second), 10);
    } else {
      contour->declared_area = ZemReal(second);
    }
  }
}

void tzemreader::ResolveParentReferences() {
  if (!current_) return;
  for (int i = 0; i < map_.CompartmentCount(); ++i) {
    for (const auto& contour : map_.CompartmentAt(i)->Contours()) {
      tpodref* ref = contour->parent.get();
      if (!ref) continue;
      tpodotdel* parent = current_->Find(ZemInt(ref->pod));
      if (!parent) continue;
      ref->otdel = parent->otdel;
      ref->pod = parent->number;
    }
  }
}

}  // namespace dornavik
