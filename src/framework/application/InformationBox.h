#pragma once
// The program's own information box: the text, the application's title as
// caption and an OK button (Enter or Esc presses it), sized to the text and
// shown in the middle of the desktop above the main form.
#include <string>

#include "framework/application/Form.h"
#include "framework/controls/StandardControls.h"

namespace skl {

class TInformationBox : public TForm {
public:
    TInformationBox(TComponent* owner, const std::string& text);
    const char* ClassName() const override { return "TInformationBox"; }

    const TLabel& Text() const { return text_; }
    TButton& OkButton() { return ok_; }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TLabel& text_;
    TButton& ok_;
};

}  // namespace skl
