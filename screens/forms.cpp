// Loading and unloading the three windows.
#include "screens/forms.h"

#include "screens/form1.h"
#include "screens/form2.h"
#include "screens/form3.h"

namespace zupi {
namespace {

// Closes the window by code, which the close rule lets pass, then
// destroys it.
template <typename Form>
void UnloadForm(std::unique_ptr<Form>& form) {
  if (form) form->Unload();
  form.reset();
}

}  // namespace

Forms::Forms(EventSource& events, WaveOutput& sound, RandomSequence& random) : host_{events, sound, random} {}

Forms::~Forms() = default;

GameWindow& Forms::LoadForm1() {
  if (!form1_) form1_ = std::make_unique<Form1>(host_);
  return *form1_;
}

void Forms::UnloadForm1() { UnloadForm(form1_); }

CertificateWindow& Forms::LoadForm2() {
  if (!form2_) form2_ = std::make_unique<Form2>(host_);
  return *form2_;
}

void Forms::UnloadForm2() { UnloadForm(form2_); }

TitleWindow& Forms::LoadForm3() {
  if (!form3_) form3_ = std::make_unique<Form3>(host_, form1_ ? form1_->ZupiSource(kZupiNormal) : QPixmap());
  return *form3_;
}

void Forms::UnloadForm3() { UnloadForm(form3_); }

}  // namespace zupi
