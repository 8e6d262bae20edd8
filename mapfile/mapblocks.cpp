// Reading the definitions and blocks sections.
#include <unordered_map>
#include <vector>

#include "base/text.h"
#include "mapfile/mapsections.h"

namespace dornavik {

namespace {

std::vector<std::string> Fields(const std::string& text) {
  std::vector<std::string> fields;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    size_t start = i;
    while (i < text.size() && text[i] != ' ') ++i;
    if (i > start) fields.push_back(text.substr(start, i - start));
  }
  return fields;
}

std::string Name(const std::string& field) { return UnquoteText(field).substr(0, 8); }

const tdefinition* FindDefinition(const tdefinitions& definitions, const std::string& name) {
  int i;
  return definitions.Search(name, i) ? definitions.At(i) : nullptr;
}

std::unique_ptr<tblockitem> Item(auto element) {
  auto item = std::make_unique<tblockitem>();
  item->element = std::move(element);
  return item;
}

// "L": the line's fields, its point count and the points, unshifted and
// without the filter of repeated points.
std::unique_ptr<tblockitem> ReadLineItem(tmapload& load) {
  tmapscanner& in = load.in;
  auto line = load.map.NewLine();
  int32_t type, variant, hidden, count;
  if (!(in.Int(type) && in.Float(line->width) && in.Int(line->number) && in.Int(variant) &&
        in.Int(line->attribute) && in.Float(line->pattern_offset) && in.Int(hidden) &&
        in.Int(count)))
    return nullptr;
  for (int32_t i = 0; i < count; ++i) {
    float x, y;
    if (!in.Float(x) || !in.Float(y)) return nullptr;
    int32_t record = load.map.Points().AppendPoint(x, y);
    if (i == 0) line->first = record;
    line->last = record;
  }
  in.EndLine();
  if (type < 0 || type >= kLineTypes) return nullptr;
  line->type = static_cast<uint8_t>(type);
  line->variant = static_cast<uint8_t>(variant);
  line->hidden = static_cast<uint8_t>(hidden);
  line->Finish();
  return Item(std::move(line));
}

// "T": type, position, the text's fields, then the text in quotes.
std::unique_ptr<tblockitem> ReadTextItem(tmapload& load) {
  tmapscanner& in = load.in;
  auto text = std::make_unique<texttype>();
  int32_t type;
  if (!(in.Int(type) && in.Float(text->x) && in.Float(text->y) &&
        ReadTextFields(load, *text, type)))
    return nullptr;
  std::string rest;
  if (!in.Line(rest) || type < 0 || type >= kTextTypes) return nullptr;
  text->text = UnquoteText(rest);
  text->type = static_cast<uint8_t>(type);
  if (type != 0) text->style = TypeStyle(type);
  return Item(std::move(text));
}

// "Z": type, position and angle in radians.
std::unique_ptr<tblockitem> ReadSignItem(tmapload& load) {
  tmapscanner& in = load.in;
  auto sign = std::make_unique<tsign>();
  int32_t type;
  double x, y;
  if (!(in.Int(type) && in.Real(x) && in.Real(y) && in.Float(sign->angle))) return nullptr;
  in.EndLine();
  if (type < 0 || type >= kSignTypes) return nullptr;
  sign->type = static_cast<uint16_t>(type);
  sign->x = static_cast<float>(x + load.dx);
  sign->y = static_cast<float>(y + load.dy);
  return Item(std::move(sign));
}

// "B": the line split at blanks; the definition is bound when it is known.
std::unique_ptr<tblockitem> ReadInsertItem(tmapload& load) {
  std::string rest;
  if (!load.in.Line(rest)) return nullptr;
  const std::vector<std::string> f = Fields(rest);
  if (f.empty()) return nullptr;
  auto b = std::make_unique<tinsert>();
  auto real = [&f](size_t i, float unset) {
    return i < f.size() ? static_cast<float>(TextReal(f[i])) : unset;
  };
  b->name = Name(f[0]);
  b->x = static_cast<float>(real(1, 0) + load.dx);
  b->y = static_cast<float>(real(2, 0) + load.dy);
  b->scale_x = real(3, 1);
  b->scale_y = real(4, 1);
  b->angle = real(5, 0);
  b->count_x = f.size() > 6 ? TextInt(f[6]) : 1;
  b->count_y = f.size() > 7 ? TextInt(f[7]) : 1;
  b->spacing_x = real(8, 1);
  b->spacing_y = real(9, 1);
  b->definition = FindDefinition(load.map.definitions, b->name);
  return Item(std::move(b));
}

template <class F>
void ForEachInsert(const tblock& block, F f) {
  for (const auto& item : block)
    if (auto* i = std::get_if<std::unique_ptr<tinsert>>(&item->element)) f(**i);
}

// A definition that placed itself, directly or through others, could never
// be drawn: the insert that closes such a ring is left unbound.
void UnbindRings(const tdefinitions& definitions) {
  enum { kNew, kOpen, kDone };
  std::unordered_map<const tdefinition*, int> state;
  struct tframe {
    const tdefinition* definition;
    std::vector<tinsert*> inserts;
    size_t next = 0;
  };
  for (const auto& root : definitions) {
    if (state[root.get()] != kNew) continue;
    std::vector<tframe> path;
    auto enter = [&](const tdefinition* d) {
      state[d] = kOpen;
      tframe frame{d, {}};
      ForEachInsert(d->block, [&](tinsert& i) { frame.inserts.push_back(&i); });
      path.push_back(std::move(frame));
    };
    enter(root.get());
    while (!path.empty()) {
      tframe& top = path.back();
      if (top.next == top.inserts.size()) {
        state[top.definition] = kDone;
        path.pop_back();
        continue;
      }
      tinsert& i = *top.inserts[top.next++];
      if (!i.definition) continue;
      const int s = state[i.definition];
      if (s == kOpen) i.definition = nullptr;
      else if (s == kNew) enter(i.definition);
    }
  }
}

}  // namespace

void ReadBlock(tmapload& load, tblock& block) {
  tmapscanner& in = load.in;
  std::string skipped;
  if (!in.Line(skipped)) return;
  for (char kind; in.Char(kind);) {
    std::unique_ptr<tblockitem> item;
    switch (kind) {
      case '0': in.EndLine(); return;
      case 'L': item = ReadLineItem(load); break;
      case 'T': item = ReadTextItem(load); break;
      case 'Z': item = ReadSignItem(load); break;
      case 'B': item = ReadInsertItem(load); break;
      default: in.EndLine(); break;
    }
    if (item) block.Insert(std::move(item));
  }
}

void ReadDefinitions(tmapload& load) {
  tmapscanner& in = load.in;
  tdefinitions& definitions = load.map.definitions;
  std::string line;
  if (!in.Line(line)) return;
  for (char kind; in.Char(kind);) {
    if (kind == '0') {
      in.EndLine();
      break;
    }
    if (kind != 'D') {
      in.EndLine();
      continue;
    }
    if (!in.Line(line)) break;
    const std::vector<std::string> f = Fields(line);
    auto d = std::make_unique<tdefinition>();
    if (!f.empty()) d->name = Name(f[0]);
    float* corners[] = {&d->x1, &d->y1, &d->x2, &d->y2};
    for (size_t i = 0; i < 4 && i + 1 < f.size(); ++i)
      *corners[i] = static_cast<float>(TextReal(f[i + 1]));
    ReadBlock(load, d->block);
    definitions.Insert(d);
  }
  // A definition may place one that follows it in the file.
  for (const auto& d : definitions)
    ForEachInsert(d->block, [&](tinsert& i) {
      if (!i.definition) i.definition = FindDefinition(definitions, i.name);
    });
  UnbindRings(definitions);
}

}  // namespace dornavik
