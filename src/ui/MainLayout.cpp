#include "ui/MainLayout.h"

#include "assets/Assets.h"
#include "imaging/JPEGImage.h"
#include "ui/AboutTexts.h"

namespace skl {

namespace {

template <class T>
T& Place(TWinControl& form, TWinControl& parent, const char* name, int left, int top, int width, int height,
         const std::string& caption = {}) {
    T& control = form.Make<T>();
    control.SetName(name);
    control.SetParent(&parent);
    control.SetBounds(left, top, width, height);
    control.SetCaption(caption);
    return control;
}

// A label of the size given, whatever its text.
TLabel& FixedLabel(TWinControl& form, TWinControl& parent, const char* name, int left, int top, int width,
                   int height) {
    TLabel& label = form.Make<TLabel>();
    label.SetName(name);
    label.SetAutoSize(false);
    label.SetParent(&parent);
    label.SetBounds(left, top, width, height);
    return label;
}

TTabSheet& Page(TWinControl& form, TPageControl& pages, const char* name) {
    TTabSheet& page = form.Make<TTabSheet>();
    page.SetName(name);
    return pages.AddPage(page);
}

TFont TimesNewRoman(int height, std::uint8_t style, TColor color) { return {"Times New Roman", height, color, style}; }

TFont Bold(TFont font) {
    font.Style |= fsBold;
    return font;
}

}  // namespace

TMainLayout::TMainLayout(TForm& form)
    : PageControl1(Place<TPageControl>(form, form, "PageControl1", 8, 8, 377, 297)),
      TabSheet1(Page(form, PageControl1, "TabSheet1")),
      CheckBox1(Place<TCheckBox>(form, TabSheet1, "CheckBox1", 8, 11, 345, 17)),
      CheckBox2(Place<TCheckBox>(form, TabSheet1, "CheckBox2", 8, 31, 305, 17)),
      Label2(FixedLabel(form, TabSheet1, "Label2", 8, 56, 193, 13)),
      SpinEdit1(Place<TSpinEdit>(form, TabSheet1, "SpinEdit1", 209, 51, 57, 22)),
      Label3(FixedLabel(form, TabSheet1, "Label3", 272, 56, 41, 13)),
      Button1(Place<TButton>(form, TabSheet1, "Button1", 8, 76, 25, 25, "?")),
      CheckBox3(Place<TCheckBox>(form, TabSheet1, "CheckBox3", 40, 80, 153, 17)),
      Label4(Place<TLabel>(form, TabSheet1, "Label4", 8, 112, 59, 13, "LANGUAGE")),
      ComboBox1(Place<TComboBox>(form, TabSheet1, "ComboBox1", 80, 108, 145, 21)),
      Label12(Place<TLabel>(form, TabSheet1, "Label12", 8, 144, 306, 13)),
      Label13(Place<TLabel>(form, TabSheet1, "Label13", 8, 160, 133, 13)),
      Label11(Place<TLabel>(form, TabSheet1, "Label11", 8, 176, 346, 13)),
      Button3(Place<TButton>(form, TabSheet1, "Button3", 36, 200, 297, 25)),
      BitBtn3(Place<TBitBtn>(form, TabSheet1, "BitBtn3", 103, 232, 75, 25, "OK")),
      BitBtn2(Place<TBitBtn>(form, TabSheet1, "BitBtn2", 191, 232, 75, 25, "Cancel")),
      TabSheet2(Page(form, PageControl1, "TabSheet2")),
      GIFAnimator1(Place<TGIFAnimator>(form, TabSheet2, "GIFAnimator1", 8, 8, 100, 100)),
      Label10(Place<TLabel>(form, TabSheet2, "Label10", 182, 8, 114, 31, "Skelvora")),
      Label1(FixedLabel(form, TabSheet2, "Label1", 120, 40, 241, 17)),
      Label5(FixedLabel(form, TabSheet2, "Label5", 168, 72, 137, 13)),
      Label9(Place<TLabel>(form, TabSheet2, "Label9", 160, 88, 166, 13, SPlaceAndYear)),
      Label6(Place<TLabel>(form, TabSheet2, "Label6", 8, 120, 94, 13, "Status: freeware")),
      Label7(Place<TLabel>(form, TabSheet2, "Label7", 8, 136, 107, 13, SAuthorMail)),
      Label8(Place<TLabel>(form, TabSheet2, "Label8", 8, 152, 131, 13, SWebAddress)),
      Image1(Place<TImage>(form, TabSheet2, "Image1", 192, 112, 96, 75)),
      Button2(Place<TButton>(form, TabSheet2, "Button2", 24, 171, 75, 25)),
      Label14(Place<TLabel>(form, TabSheet2, "Label14", 95, 208, 179, 13, "Windows 9x, Me, NT, 2000, XP")),
      BitBtn1(Place<TBitBtn>(form, TabSheet2, "BitBtn1", 147, 232, 75, 25, "OK")) {
    form.SetClientSize(391, 312);
    form.Position = TPosition::poDesktopCenter;
    SpinEdit1.MinValue = 1;
    SpinEdit1.MaxValue = 1440;
    SpinEdit1.SetValue(5);
    ComboBox1.Sorted = true;
    ComboBox1.SetItemIndex(ComboBox1.AddItem("Ukraine"));
    BitBtn3.SetDefault(true);
    BitBtn1.SetDefault(true);
    BitBtn2.SetCancel(true);
    BitBtn3.LoadGlyph(assets::GlyphOk());
    BitBtn1.LoadGlyph(assets::GlyphOk());
    BitBtn2.LoadGlyph(assets::GlyphCancel());

    GIFAnimator1.SetAsyncDrawing(true);

    TabSheet2.SetFont(Bold(TabSheet2.Font()));
    Label10.SetFont(TimesNewRoman(-27, fsBold | fsItalic | fsUnderline, clFuchsia));
    Label1.SetFont(TimesNewRoman(-15, fsBold, clBlue));
    Label1.Alignment = TAlignment::taCenter;
    Label1.Layout = TTextLayout::tlCenter;
    Label1.BiDiMode = TBiDiMode::bdRightToLeftNoAlign;
    Label5.Alignment = TAlignment::taCenter;
    Label6.SetFont({"MS Sans Serif", -11, clWindowText, fsBold});
    Label6.SetColor(clBtnFace);
    Label8.SetFont(Bold(Label8.Font()));
}

void TMainLayout::LoadAboutPictures() {
    if (!GIFAnimator1.Image().Empty()) return;
    TGIFImage animation;
    animation.LoadFromMemory(assets::AboutAnimation().data(), assets::AboutAnimation().size());
    GIFAnimator1.SetImage(animation);
    GIFAnimator1.SetFrameIndex(aboutFrame_);
    auto picture = std::make_unique<TJPEGImage>();
    picture->LoadFromMemory(assets::AboutPicture().data(), assets::AboutPicture().size());
    Image1.SetPicture(std::move(picture));
}

void TMainLayout::DropAboutPictures() {
    if (GIFAnimator1.Image().Empty()) return;
    aboutFrame_ = GIFAnimator1.FrameIndex();
    TGIFImage none;
    GIFAnimator1.SetImage(none);
    Image1.SetPicture(nullptr);
}

}  // namespace skl
