#include "app/FormSkelvora1.h"

namespace skl {

TFormSkelvora1::TFormSkelvora1(TComponent* owner) : TForm(owner) {
    SetName("FormSkelvora1");
    SetCaption("Skelvora");
    SetBounds(UseDefault, UseDefault, 399, 341);
}

}  // namespace skl
