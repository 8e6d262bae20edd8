// tzemreader: reads a ZEM exchange file into a map document. The file is
// streamed line by line; the HEADER, LAYER and CONTROL blocks are read here,
// the TABLE blocks by zemtable.h. Every problem found in the data becomes a
// finding handed to the finding sink; the reader stops early only for an
// unsupported version or a header without its end.
//
// The reader keeps pointers into the map (lines, contours): it must not
// outlive the map it fills.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "base/host.h"
#include "base/textfile.h"
#include "checks/tablechecks.h"
#include "model/document.h"
#include "model/forestry.h"
#include "symbology/zemcodes.h"
#include "zem/contourregister.h"
#include "zem/zemlexer.h"

namespace dornavik {

class T_dmNom;

class tzemreader {
 public:
  // open_tables opens the project tables when a table row sets the map's
  // forestry code (none: the rows update the map but write no table).
  tzemreader(tafile& map, thost& host, tfindingsink findings,
             tprojecttablesopener open_tables = {});
  ~tzemreader();
  tzemreader(const tzemreader&) = delete;
  tzemreader& operator=(const tzemreader&) = delete;

  // Opens the file. With a progress window its lines are counted first and
  // the gauge gets the range 0..count. False when the file cannot be opened.
  bool Open(const std::string& file_name, tprogress* progress = nullptr);
  // Reads the next block (or one line outside any block). False once the end
  // of the file is reached or the header stopped the reading.
  bool ReadBlock();
  // Every block up to the end of the file or the stop.
  void ReadAll();
  void Close();

  bool Stopped() const { return stopped_; }
  bool AtEnd() const { return at_end_; }
  int Version() const { return version_; }
  const std::string& Eknm() const { return eknm_; }
  long LineNumber() const { return line_number_; }
  long TotalLines() const { return total_lines_; }
  double YOffset() const { return y_offset_; }
  double XOffset() const { return x_offset_; }
  const std::string& FileName() const { return file_name_; }

  tcontourregister& CadasterContours() { return cadaster_; }
  tcontourregister& ForestContours() { return forest_; }
  // Chosen by the last LAYER line; null before the first one and after a
  // layer of an unknown name.
  tcontourregister* CurrentContours() { return current_; }

  // Resolves every island's parent reference of the map's compartments: the
  // polygon id it names is looked up in the current register and gives the
  // compartment and sub-compartment numbers; unresolved references keep an
  // empty compartment number. Nothing without a current register.
  void ResolveParentReferences();

  // --- For the table reader
  tafile& Map() { return map_; }
  thost& Host() { return host_; }
  tprogress* Progress() { return progress_; }
  const tprojecttablesopener& TablesOpener() const { return open_tables_; }
  // The nomenclature tables that name the settlements: those given, else
  // the program folder's, opened when first needed.
  void SetNomenclatureTables(T_dmNom* tables) { nom_tables_ = tables; }
  T_dmNom& SettlementTables();
  void AddFinding(const terrrec& f) { findings_(f); }
  // A finding of the reader itself: code, integer parameter and line.
  void AddFinding(int code, int32_t ipara, long line);
  // The current line; NextLine replaces it with the next line of the file.
  tzemline& Line() { return line_; }
  bool NextLine();

 private:
  void ShowLine();
  void ReadHeader();
  void SetReference(double a, double b);
  void ReadLayer(std::string_view name);
  void SkipTo(std::string_view end_keyword);
  void ReadControl();
  // Records of a layer; each consumes its lines and leaves the next line read.
  void ReadPointRecord();
  void ReadSignRecord();
  void ReadTextRecord();
  void ReadLineRecord(std::unordered_map<int32_t, tline*>& lines);
  void ReadContourRecord(const std::unordered_map<int32_t, tline*>& lines);
  float MapY(double a) const;
  float MapX(double b) const;

  tafile& map_;
  thost& host_;
  tfindingsink findings_;
  tprojecttablesopener open_tables_;
  tprogress* progress_ = nullptr;
  tzemcodemaps codes_;
  T_dmNom* nom_tables_ = nullptr;
  std::unique_ptr<T_dmNom> own_nom_tables_;

  std::string file_name_;
  ttextreader file_;
  std::string raw_;
  tzemline line_;
  long line_number_ = 0;
  long total_lines_ = 0;
  bool at_end_ = false;
  bool stopped_ = false;

  int version_ = 100;
  std::string eknm_;
  double y_offset_ = 0, x_offset_ = 0;

  tcontourregister cadaster_, forest_;
  tcontourregister* current_ = nullptr;
};

}  // namespace dornavik
