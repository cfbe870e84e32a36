#include "framework/application/InformationBox.h"

#include <algorithm>

#include "framework/application/Application.h"
#include "framework/system/Fonts.h"
#include "framework/system/Screen.h"

namespace skl {

namespace {

constexpr int Margin = 12;
constexpr int ButtonWidth = 75, ButtonHeight = 25;

}  // namespace

TInformationBox::TInformationBox(TComponent* owner, const std::string& text)
    : TForm(owner), text_(Make<TLabel>()), ok_(Make<TButton>()) {
    SetCaption(Application().Title());
    Position = TPosition::poDesktopCenter;
    BorderStyle = TBorderStyle::bsDialog;
    text_.SetParent(this);
    text_.WordWrap = true;
    text_.SetAutoSize(false);
    text_.SetCaption(text);
    // Lines break at half the desktop's width.
    const TPoint extent = TextExtent(ScreenFont(text_.Font()), text, DesktopRect().Width() / 2);
    const int width = std::max(DesignPixels(extent.X), ButtonWidth) + 2 * Margin;
    // The right margin is the line's too: some systems draw a line a little
    // wider than they measure it.
    text_.SetBounds(Margin, Margin, width - Margin, DesignPixels(extent.Y));
    const int buttonTop = text_.Top() + text_.Height() + Margin;
    ok_.SetParent(this);
    ok_.SetBounds((width - ButtonWidth) / 2, buttonTop, ButtonWidth, ButtonHeight);
    ok_.SetCaption("OK");
    ok_.SetDefault(true);
    ok_.SetCancel(true);
    ok_.OnClick = [this](TComponent&) { Close(); };
    SetClientSize(width, buttonTop + ButtonHeight + Margin);
}

// Above the main form, with no taskbar button of its own.
void TInformationBox::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.Style |= ws::Popup;
    TForm* main = Application().MainForm();
    if (main && main != this && main->HandleAllocated()) params.Parent = main->Handle();
}

}  // namespace skl
