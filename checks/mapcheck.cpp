#include "checks/mapcheck.h"

#include "base/codepage.h"
#include "base/text.h"
#include "tables/keys.h"

namespace dornavik {

tcheckprogress::tcheckprogress(thost& host, const char* title, int count) : host_(host) {
  Restart(title, count);
}

void tcheckprogress::Restart(const char* title, int count) {
  tprogress& p = host_.Progress();
  p.SetLabel1(Utf8ToWindows(title));
  p.SetLabel2(std::string());
  p.SetRange(0, count);
  p.SetPosition(0);
}

void tcheckprogress::Compartment(int index, const totdel& compartment) {
  tprogress& p = host_.Progress();
  p.SetLabel2(OemToWindows(compartment.number));
  p.SetPosition(index + 1);
}

terrrec SubCompartmentFinding(int code, const std::string& otdel, const std::string& pod) {
  terrrec f;
  f.code = code;
  f.otdel = OtdelKey(otdel);
  f.pod = PodKey(OemToWindows(pod));
  return f;
}

terrrec ContourFinding(int code, const tpodotdel& contour) {
  return SubCompartmentFinding(code, CompartmentNumber(contour), contour.number);
}

void NameOther(terrrec& finding, const std::string& otdel, const std::string& pod) {
  finding.otdel1 = OtdelKey(otdel);
  finding.pod1 = PodKey(OemToWindows(pod));
}

const std::string& CompartmentNumber(const tpodotdel& contour) {
  return contour.compartment ? contour.compartment->number : contour.otdel;
}

void ShowCheckError(thost& host, const std::exception& e, const std::string& otdel,
                    const std::string* pod) {
  std::string text = e.what();
  text.append(" ").append(OemToWindows(otdel));
  if (pod) text.append("/").append(OemToWindows(*pod));
  host.ShowMessage(text);
}

tunittables* UnitTables(tafile& map) { return dynamic_cast<tunittables*>(map.forestry.tables.get()); }

bool ReadSubCompartmentRow(tunittables& tables, const std::string& otdel, const std::string& pod,
                           tpodrec& rec, std::string& key) {
  key = otdel;
  if (tables.ReadSubCompartment(otdel, pod, true, rec)) return true;
  const std::string trimmed = TrimBoth(otdel);
  if (trimmed.size() > 1 && trimmed[0] == '*' && pod.find('*') != std::string::npos &&
      tables.ReadSubCompartment(trimmed.substr(1), pod, true, rec)) {
    key = trimmed.substr(1);
    return true;
  }
  return false;
}

}  // namespace dornavik
