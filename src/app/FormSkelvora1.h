#pragma once
// The program's one window. Its window class name is how a second start finds
// the first.
#include "framework/Form.h"

namespace skl {

class TFormSkelvora1 : public TForm {
public:
    static constexpr const char* WindowClassName = "TFormSkelvora1";

    explicit TFormSkelvora1(TComponent* owner);

    const char* ClassName() const override { return WindowClassName; }
};

}  // namespace skl
