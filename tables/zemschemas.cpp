#include "tables/zemschemas.h"

#include <array>

#include "base/codepage.h"

namespace dornavik {

namespace {

struct tschemarow {
  const char* name;
  char type;
  int length;
  int decimals;
  const char* description;  // UTF-8
};

const tschemarow kImoti[] = {
    {"IDENT", 'N', 8, 0, ""},   {"IDENTM", 'N', 4, 0, ""}, {"IDENTI", 'N', 4, 0, ""},
    {"IDENTN", 'N', 2, 0, ""},  {"VIDT", 'S', 1, 0, ""},   {"NTP", 'S', 4, 0, ""},
    {"VIDS", 'S', 2, 0, ""},    {"NULIC", 'L', 5, 0, ""},  {"ADDRNUM", 'C', 4, 0, ""},
    {"NOMER1", 'C', 10, 0, ""}, {"DOCAREA", 'N', 12, 3, ""},
};

const tschemarow kSections[] = {
    {"DL", 'C', 2, 0, ""}, {"COD", 'S', 2, 0, ""}, {"NAME", 'C', 40, 0, ""}};

const tschemarow kPodotdeli[] = {
    {"IDENT", 'N', 8, 0, ""},
    {"DL", 'C', 2, 0, "държавно лесничейство"},
    {"OTDEL", 'S', 3, 0, "отдел"},
    {"PODOTDEL", 'C', 4, 0, "подотдел"},
    {"VT", 'S', 1, 0, "вид територия"},
    {"VIDGORA", 'S', 1, 0, "вид гора"},
    {"VIDPOD", 'S', 2, 0, "вид подотдел"},
    {"PROIZHOD", 'S', 1, 0, "произход"},
    {"PREDNA", 'S', 2, 0, "предназначение"},
    {"DVID", 'S', 3, 0, "дървесен вид"},
    {"WASR", 'N', 4, 0, "възраст"},
    {"WISO", 'N', 3, 0, "височина"},
    {"DIAM", 'N', 3, 0, "диаметър"},
    {"ZAPAS", 'N', 9, 0, "запас"},
    {"DOCAREA", 'N', 8, 1, "площ"},
};

const tschemarow kPodotdeli1[] = {
    {"DL", 'C', 2, 0, "държавно лесничейство"},
    {"OTDEL", 'S', 4, 0, ""},
    {"PODOTDEL", 'C', 5, 0, ""},
    {"EKATTE", 'S', 5, 0, "ЕКАТТЕ"},
    {"STLIST", 'S', 3, 0, "стопански лист"},
    {"SECTION", 'S', 2, 0, "горскостопански участък"},
    {"FIRE", 'S', 1, 0, "пожарна опастност"},
    {"SECSECT", 'S', 2, 0, "секретен участък"},
    {"SOBST", 'S', 2, 0, "вид собственост"},
    {"SKLAS", 'S', 3, 0, "стопански клас"},
    {"OBLAST", 'S', 2, 0, "област"},
    {"SUBBAND", 'S', 2, 0, "подпояс"},
    {"NADMVIS", 'S', 4, 0, "надморска височина"},
    {"FRONTAGE", 'S', 1, 0, "изложение"},
    {"RELIEF", 'S', 2, 0, "релеф"},
    {"MESTO", 'S', 3, 0, "месторастене"},
    {"SLOPE", 'N', 2, 0, "наклон"},
    {"STRUCTURE", 'S', 1, 0, "структура"},
    {"STATE", 'S', 1, 0, "състояние"},
    {"STALK", 'N', 2, 0, "правостъбленост"},
    {"SCHEME", 'C', 8, 0, "схема"},
    {"SOIL", 'S', 2, 0, "почва"},
    {"COMPOSIT", 'S', 1, 0, "състав"},
    {"STONY", 'S', 2, 0, ""},
    {"DENSITY", 'S', 1, 0, "плътност"},
    {"DEPTH", 'S', 2, 0, "дълбочина"},
    {"HUMIDITY", 'S', 2, 0, "влажност"},
    {"EROSION", 'S', 2, 0, "степен на ерозия"},
    {"EROSION1", 'S', 2, 0, "вид на ерозия_1"},
    {"EXPLAN1", 'C', 8, 0, ""},
    {"EROSION2", 'S', 2, 0, "вид на ерозия_2"},
    {"EXPLAN2", 'C', 8, 0, ""},
    {"ROCK", 'S', 2, 0, "основна скала"},
    {"RICHES", 'S', 1, 0, "богатство"},
    {"NELESO", 'N', 2, 0, "нелесопригодност"},
    {"CARNAGE", 'N', 2, 0, "сеч"},
    {"CARYEAR", 'S', 4, 0, "година на сечта"},
    {"CARNAGE1", 'C', 20, 0, ""},
    {"CARNAGE2", 'C', 20, 0, ""},
    {"CARNAGE3", 'C', 20, 0, ""},
    {"CARNAGE4", 'C', 20, 0, ""},
    {"CARNAGE5", 'C', 20, 0, ""},
    {"CARNAGE6", 'C', 20, 0, ""},
    {"CARNAGE7", 'C', 20, 0, ""},
    {"CARNAGE8", 'C', 20, 0, ""},
    {"CARNAGE9", 'C', 20, 0, ""},
    {"NASOKA", 'S', 2, 0, ""},
    {"PCP1", 'S', 2, 0, "почвоподготовка_1"},
    {"PCPAREA1", 'N', 8, 2, "площ за почвоподготовка_1"},
    {"PCP2", 'S', 2, 0, "почвоподготовка_2"},
    {"PCPAREA2", 'N', 8, 2, "площ за почвоподготовка_2"},
    {"MERGE", 'S', 2, 0, "смесване"},
    {"SCHEMEL", 'C', 8, 0, "схама"},
    {"PURPOSE", 'S', 2, 0, ""},
    {"GRAZING", 'S', 2, 0, "паша"},
    {"PURPOSE1", 'S', 3, 0, "предназначение_1"},
    {"PURPOSE2", 'S', 3, 0, ""},
    {"PURPOSE3", 'S', 3, 0, ""},
    {"PURPOSE4", 'S', 3, 0, ""},
    {"PURPOSE5", 'S', 3, 0, ""},
    {"PURPOSE6", 'S', 3, 0, ""},
    {"PURPOSE7", 'S', 3, 0, ""},
};

const tschemarow kWoodtype[] = {
    {"DL", 'C', 2, 0, ""},
    {"OTDEL", 'S', 4, 0, ""},
    {"PODOTDEL", 'C', 5, 0, ""},
    {"NUMBER", 'S', 2, 0, "пореден номер"},
    {"TYPE", 'S', 3, 0, "дървесен вид"},
    {"STAGE", 'S', 1, 0, "етаж"},
    {"PART", 'N', 2, 0, "участие"},
    {"ORIGIN", 'S', 1, 0, "произход"},
    {"AGE", 'S', 3, 0, "възраст"},
    {"FULLNESS", 'S', 3, 0, "пълнота"},
    {"HEIGHT", 'N', 4, 1, "височина"},
    {"BONITET", 'N', 1, 0, "бонитет"},
    {"DIAMETER", 'N', 3, 0, "диаметър"},
    {"HOARD", 'N', 9, 0, "запас"},
    {"HOARDH", 'N', 9, 0, "запас на хектар"},
    {"HOARDM", 'S', 2, 0, "запас метод"},
    {"HOARDK", 'N', 9, 0, "запас с клони"},
    {"USAGE", 'N', 9, 0, "ползване"},
    {"USAGEK", 'N', 9, 0, "ползване с клони"},
    {"DAMRANGE", 'C', 5, 0, "степен на повреда"},
    {"DAMAGE", 'S', 2, 0, "вид на повреда"},
};

const tschemarow kComposite[] = {
    {"DL", 'C', 2, 0, ""},
    {"OTDEL", 'S', 4, 0, ""},
    {"PODOTDEL", 'C', 5, 0, ""},
    {"NUMBER", 'S', 2, 0, "пореден номер"},
    {"TYPE", 'S', 3, 0, "дървесен вид"},
    {"PART", 'N', 2, 0, "участие"},
    {"BONITET", 'N', 3, 0, "бонитет"},
    {"AREA", 'N', 5, 1, "площ"},
    {"SCHEMEL", 'C', 8, 0, "схема"},
};

template <size_t n>
std::vector<tmyfield> Build(const tschemarow (&rows)[n]) {
  std::vector<tmyfield> fields;
  for (const tschemarow& r : rows)
    fields.push_back({r.name, r.type, r.length, r.decimals, Utf8ToWindows(r.description)});
  return fields;
}

std::array<std::vector<tmyfield>, 7>& Schemas() {
  static std::array<std::vector<tmyfield>, 7> schemas;
  if (schemas[kZemImoti].empty()) {
    schemas[kZemImoti] = Build(kImoti);
    schemas[kZemSections] = Build(kSections);
    schemas[kZemPodotdeli] = Build(kPodotdeli);
    schemas[kZemPodotdeli1] = Build(kPodotdeli1);
    schemas[kZemWoodtype] = Build(kWoodtype);
    schemas[kZemComposite] = Build(kComposite);
  }
  return schemas;
}

}  // namespace

const std::vector<tmyfield>& ZemSchema(int table) {
  static const std::vector<tmyfield> none;
  return table >= kZemImoti && table <= kZemComposite ? Schemas()[table] : none;
}

void UseVersion210Widths() {
  std::vector<tmyfield>& podotdeli = Schemas()[kZemPodotdeli];
  podotdeli[2].length = 4;  // OTDEL
  podotdeli[3].length = 5;  // PODOTDEL
  podotdeli[6].length = 3;  // VIDPOD
}

void ResetZemSchemas() { Schemas()[kZemPodotdeli] = Build(kPodotdeli); }

std::string ZemFieldTitle(int table, int nom) {
  const std::vector<tmyfield>& schema = ZemSchema(table);
  if (nom < 1 || nom > int(schema.size())) return {};
  const tmyfield& f = schema[nom - 1];
  return f.description.empty() ? f.name : f.description;
}

}  // namespace dornavik
