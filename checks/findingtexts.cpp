#include "checks/findingtexts.h"

#include "base/codepage.h"
#include "base/text.h"
#include "tables/zemschemas.h"

namespace dornavik {

namespace {

// The texts are written here in UTF-8 and converted once. Two of them hold a
// Latin letter inside a Cyrillic word (102 "теkст", 106 "Грешнa"), and 116
// ends in a Latin " xa."; the files that read the table expect exactly these.
struct tshorttext {
  int code;
  const char* text;
};

const tshorttext kShortTexts[] = {
    {1, "Грешна версия на файла"},
    {10, "Непознат слой"},
    {11, "Данни за липсващ контур"},
    {12, "Непознат блок"},
    {13, "Непозната таблица"},
    {101, "Грешен тип на текст"},
    {102, "Грешно задаен теkст"},
    {103, "Грешен тип на знак"},
    {104, "Грешен тип на точка"},
    {105, "Грешен тип на линия"},
    {106, "Грешнa страна в контур"},
    {107, "Дублиран контур"},
    {108, "Контур без линии"},
    {109, "Непозната команда"},
    {110, "Разлика м/у площта по графика и площта в контролния блок"},
    {111, "Пресичане на подотдели"},
    {112, "Отворен контур"},
    {113, "Отдалечени подотдели с еднакви номера"},
    {114, "Липсват данни в таблица подотдели за графичен контур"},
    {115, "Дублирани данни в таблица подотдели за контур"},
    {116, "Голям подотдел"},
    {117, "Грешно изваден подотдел"},
    {118, "Изваден от липсващ подотдел"},
    {201, "Липсващо поле в таблица"},
    {202, "Грешен тип на поле"},
    {203, "Грешна дължина на поле"},
    {204, "Грешни десетични знаци на поле"},
    {205, "Дефинирани полета след данни в таблица"},
    {206, "Грешен ред в таблица"},
    {207, "Липсва код на лесничейство"},
    {208, "Липсва код на отдел"},
    {209, "Липсва код на подотдел"},
    {210, "Грешен код за поле"},
    {211, "Данни за липсващ контур"},
    {212, "Данни за дублиран контур"},
    {213, "Грешна стойност за поле"},
    {214, "Липсва код на лесничейство за горскостопански участък"},
    {215, "Липсва END_TABLE"},
    {216, "Дублиран код на ГСУ"},
    {217, "Липсваща стойност за ГСУ"},
    {218, "Грешна стойност за ГСУ"},
    {219, "Липсваща стойност за ЕКАТТЕ"},
    {220, "Грешна стойност за ЕКАТТЕ"},
    {221, "Липсваща стойност за поле"},
    {222, "Разлика м/у площта по графика и площта от проекта"},
    {223, "Номер на подотдел, който не е на кирилица"},
    {224, "Липсващ код за ГСУ"},
    {225, "Грешен код за ГСУ"},
    {226, "Данни за липсващ в таблица PODOTDELI подотдел"},
    {227, "Отделът липсва в графиката"},
    {228, "Подотделът липсва в графиката"},
};

// What follows the head of a full message.
enum class ttail {
  none,
  ipara,         // Int(ipara, width)
  field,         // Field(table, nom)
  line,          // Int(line, 1)
  other,         // otdel1 "/" trimmed pod1
  own,           // otdel "/" trimmed pod
};

struct tmessage {
  int code;
  ttail tail;
  int width;
  const char* head;
};

// Codes 1, 110, 208, 209 and 222 are built in FindingText itself.
const tmessage kMessages[] = {
    {11, ttail::ipara, 1, "Данни за липсващ контур с номер "},
    {13, ttail::none, 0, "Непозната таблица"},
    {101, ttail::ipara, 3, "Грешен тип на текст "},
    {103, ttail::ipara, 3, "Грешен тип на знак  "},
    {104, ttail::ipara, 3, "Грешен тип на точка "},
    {105, ttail::ipara, 3, "Грешен тип на линия "},
    {106, ttail::ipara, 6, "Грешнa страна       "},
    {107, ttail::ipara, 6, "Дублиран контур     "},
    {108, ttail::ipara, 6, "Контур без линии    "},
    {111, ttail::other, 0, "Пресичане с подотдел "},
    {112, ttail::ipara, 1, "Отворен контур с номер "},
    {114, ttail::ipara, 1, "Липсват данни в таблица подотдели за контур с номер "},
    {115, ttail::ipara, 1, "Дублирани данни в таблица подотдели за контур "},
    {117, ttail::other, 0, "Грешно изваден от подотдел "},
    {118, ttail::other, 0, "Изваден от липсващ подотдел "},
    {201, ttail::field, 0, "Липсващо поле "},
    {202, ttail::field, 0, "Грешен тип на поле "},
    {203, ttail::field, 0, "Грешна дължина на поле "},
    {204, ttail::field, 0, "Грешни десетични знаци на поле "},
    {205, ttail::none, 0, "Дефинирани полета след данни в таблица"},
    {207, ttail::own, 0, "Липсва код на лесничейство "},
    {210, ttail::field, 0, "Грешен код за "},
    {211, ttail::line, 0, "Данни за липсващ контур  в ред "},
    {212, ttail::line, 0, "Данни за дублиран контур в ред "},
    {213, ttail::field, 0, "Грешна стойност за "},
    {214, ttail::ipara, 1, "Липсва код на лесничейство за горскостопански участък "},
    {215, ttail::line, 0, "Липсва END_TABLE в ред "},
    {216, ttail::ipara, 1, "Дублиран код на ГСУ - "},
    {221, ttail::field, 0, "Липсваща стойност за "},
    {223, ttail::none, 0, "Номер на подотдел, който не е на кирилица"},
};

std::string W(const char* utf8) { return Utf8ToWindows(utf8); }

std::string Field(int table, int nom) { return PadRight(ZemFieldTitle(table, nom), 12); }

std::string Int(long long v, int w) { return IntText(v, w); }

}  // namespace

std::string FindingShortText(int code) {
  for (const tshorttext& t : kShortTexts)
    if (t.code == code) return W(t.text);
  return W("Грешка код ") + Int(code, 1);
}

std::string FindingText(const terrrec& f) {
  switch (f.code) {
    case 1:
      return W("Грешна версия на файла ") + RealText(f.ipara / 100.0, 1, 2);
    case 110:
      return W("Разлика м/у площта по графика ") + RealText(f.rpara, 8, 0) +
             W(" кв.м и площта в контролния блок ") + f.pod1 + W(" кв.м. за контур ") + Int(f.ipara, 1);
    case 116:
      return W("Голям подотдел ") + RealText(f.rpara, 8, 1) + " xa.";
    case 208:
      return W("Липсва код на отдел        в ред ") + Int(f.line, 1) + W(" подотдел ") + TrimBoth(f.pod);
    case 209:
      return W("Липсва код на подотдел     в ред ") + Int(f.line, 1) + W(" отдел ") + f.otdel;
    case 222:
      return W("Разлика м/у площта по графика ") + RealText(f.rpara, 8, 1) + W(" ха. и площта от проекта - ") +
             RealText(f.ipara / 10.0, 8, 1) + W("ха.");
  }
  for (const tmessage& m : kMessages) {
    if (m.code != f.code) continue;
    std::string text = W(m.head);
    switch (m.tail) {
      case ttail::none: break;
      case ttail::ipara: text += Int(f.ipara, m.width); break;
      case ttail::field: text += Field(f.table, f.nom); break;
      case ttail::line: text += Int(f.line, 1); break;
      case ttail::other: text += f.otdel1 + "/" + TrimBoth(f.pod1); break;
      case ttail::own: text += f.otdel + "/" + TrimBoth(f.pod); break;
    }
    return text;
  }
  return FindingShortText(f.code);
}

std::string FindingSection(const terrrec& f) {
  if (f.code < 100) return W("Заглавие  ");
  if (f.code < 200) return W("Графика   ");
  static const char* const kTables[] = {"IMOTI     ", "SECTIONS  ", "PODOTDELI ", "PODOTDELI1",
                                        "WOODTYPE  ", "COMPOSITE ", "CONTROL "};
  return f.table >= 1 && f.table <= 7 ? kTables[f.table - 1] : std::string(10, ' ');
}

}  // namespace dornavik
