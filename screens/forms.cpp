// Loading and unloading through the forms' slots.
#include "screens/forms.h"

#include "screens/form1.h"
#include "screens/form2.h"
#include "screens/form3.h"

namespace zupi {

Forms::~Forms() {
  UnloadForm1();
  UnloadForm2();
  UnloadForm3();
}

GameWindow& Forms::LoadForm1() { return *FormSlot<Form1>::Load(); }
void Forms::UnloadForm1() { FormSlot<Form1>::Unload(); }
CertificateWindow& Forms::LoadForm2() { return *FormSlot<Form2>::Load(); }
void Forms::UnloadForm2() { FormSlot<Form2>::Unload(); }
TitleWindow& Forms::LoadForm3() { return *FormSlot<Form3>::Load(); }
void Forms::UnloadForm3() { FormSlot<Form3>::Unload(); }

}  // namespace zupi
