#pragma once
// The controls of the main window's two pages, with their names, places and
// design-time texts. The form owns them; the handlers reach them by name.
#include "framework/application/Form.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Image.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/SpinEdit.h"
#include "framework/controls/StandardControls.h"
#include "gif/GIFAnimator.h"

namespace skl {

struct TMainLayout {
    // The controls go on the form, which gets its size: 391 x 312 pixels of
    // client area at 96 pixels per inch, in the middle of the desktop.
    explicit TMainLayout(TForm& form);

    TPageControl& PageControl1;

    // Options page
    TTabSheet& TabSheet1;
    TCheckBox& CheckBox1;  // start with Windows
    TCheckBox& CheckBox2;  // random order
    TLabel& Label2;        // text before the interval
    TSpinEdit& SpinEdit1;  // interval in minutes
    TLabel& Label3;        // minutes unit
    TButton& Button1;      // "?"
    TCheckBox& CheckBox3;  // Active Desktop mode
    TLabel& Label4;        // "LANGUAGE"
    TComboBox& ComboBox1;  // language choice
    TLabel& Label12;       // first-run note, line 1
    TLabel& Label13;       // first-run note, line 2
    TLabel& Label11;       // where to put pictures
    TButton& Button3;      // refresh the picture list
    TBitBtn& BitBtn3;      // OK
    TBitBtn& BitBtn2;      // Cancel

    // About page; the animation takes 8, 8, 100, 100.
    TTabSheet& TabSheet2;
    TGIFAnimator& GIFAnimator1;  // the animation, drawn by its timer's worker
    TLabel& Label10;  // "Skelvora"
    TLabel& Label1;   // description
    TLabel& Label5;   // version line
    TLabel& Label9;   // place and year
    TLabel& Label6;   // "Status: freeware"
    TLabel& Label7;   // e-mail address, clickable
    TLabel& Label8;   // web address, clickable
    TImage& Image1;    // picture, clickable
    TButton& Button2;  // licence
    TLabel& Label14;  // supported systems
    TBitBtn& BitBtn1;  // OK

    // The About page's animation and picture take memory only while the
    // window is shown; the animation goes on from the frame where it was.
    void LoadAboutPictures();
    void DropAboutPictures();

private:
    int aboutFrame_ = 0;
};

}  // namespace skl
