// One row of the sub-compartment table ("po") in memory: the columns the
// import and the checks write. The other columns of the row are kept as they
// are when the row is written back.
#pragma once

#include <string>

namespace dornavik {

struct tpodrec {
  std::string otdel;  // OtdelKey (or "*" form), cp1251
  std::string pod;    // PodKey, cp1251
  double area = 0;    // AREA, graphic area in m²
  double xa = 0;      // XA, graphic area in hectares
  int zeml = 0, vt = 0, vg = 0, vp = 0, klas = 0;
  int pred1 = 0, pred2 = 0, pred3 = 0, pred4 = 0, pred5 = 0, pred6 = 0, pred7 = 0;
  int oblast = 0, podpoas = 0, wiso = 0, izl = 0, relef = 0, naklon = 0, mestoraste = 0,
      stroej = 0, status = 0, pochva = 0, mehs = 0, kamen = 0, platnost = 0, depth = 0,
      wlajnost = 0, erozia = 0, osnskala = 0, neleso = 0, bogat = 0, pasha = 0, sech = 0;
  int sech1 = 0, sech2 = 0, sech3 = 0, sech4 = 0, sech5 = 0, sech6 = 0, sech7 = 0, sech8 = 0,
      sech9 = 0;
  int secsect = 0, pr1 = 0;
  double larea = 0;   // LAREA, documented area in hectares
  int stalk = 0;
  std::string shema;  // SHEMA
  int erosion1 = 0;
  std::string explan1;
  int erosion2 = 0;
  std::string explan2;
  int nasoka = 0, pcp1 = 0;
  double pcparea1 = 0;
  int pcp2 = 0;
  double pcparea2 = 0;
  int merge = 0;
  std::string shemal;  // SHEMAL
  int purpos = 0, vs = 0;
};

}  // namespace dornavik
