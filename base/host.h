// The host: how the engine talks to the outside. Each face of the program (the
// desktop program, the command-line tool, the tests) implements it once, and the
// engine receives it explicitly wherever it shows a message, asks the operator,
// moves a progress gauge or lets the windows repaint during a long loop.
#pragma once

#include <memory>
#include <string>

namespace dornavik {

// A progress window: a caption, two text labels and a gauge. Texts are cp1251.
class tprogress {
 public:
  virtual ~tprogress() = default;
  virtual void SetCaption(const std::string& text) = 0;
  virtual void SetLabel1(const std::string& text) = 0;
  virtual void SetLabel2(const std::string& text) = 0;
  virtual void SetRange(int minimum, int maximum) = 0;
  virtual void SetPosition(int position) = 0;
  // True once the operator pressed "Стоп".
  virtual bool Stopped() const { return false; }
};

class thost {
 public:
  virtual ~thost() = default;
  // A message to the operator (cp1251).
  virtual void ShowMessage(const std::string& text) = 0;
  // Dispatches pending window messages; a no-op without windows.
  virtual void PumpMessages() {}
  // Asks for the forestry code of an IMOTI table; false when none is given.
  virtual bool AskForestryCode(std::string& code) = 0;
  // The progress window of the current long operation.
  virtual tprogress& Progress() = 0;
};

// A progress object that shows nothing.
class tsilentprogress : public tprogress {
 public:
  void SetCaption(const std::string&) override {}
  void SetLabel1(const std::string&) override {}
  void SetLabel2(const std::string&) override {}
  void SetRange(int, int) override {}
  void SetPosition(int) override {}
};

// Messages go to standard error in UTF-8; progress is silent; the forestry code
// is the one given at construction (none when empty).
class tconsolehost : public thost {
 public:
  explicit tconsolehost(std::string forestry_code = {}) : forestry_code_(std::move(forestry_code)) {}
  void ShowMessage(const std::string& text) override;
  bool AskForestryCode(std::string& code) override;
  tprogress& Progress() override { return progress_; }

 private:
  std::string forestry_code_;
  tsilentprogress progress_;
};

}  // namespace dornavik
