// The catalogue: every *.jpg file in Images and in each of its immediate
// subfolders, in the order the system lists them.
#include "app/FormSkelvora1.h"
#include "framework/application/Application.h"
#include "framework/system/Folders.h"

namespace skl {

void TFormSkelvora1::Find_Jpg() {
    FolderCounter = 1;
    SetCurrentDir(Path + "Images");
    if (FindFirst("*", faDirectory, SearchRec) == 0) {
        do {
            if (SearchRec.Attr & faDirectory) FolderList.Put(FolderCounter++, SearchRec.Name);
        } while (FindNext(SearchRec) == 0);
        FindClose(SearchRec);
    }
    FolderCount = FolderCounter - 1;

    CurrentPicture = 1;
    // A folder that cannot be entered lists nothing, rather than whatever
    // folder happens to be current.
    if (SetCurrentDir(Path + "Images")) ListPictures("");
    for (FolderCounter = 1; FolderCounter <= FolderCount; ++FolderCounter) {
        const std::string& folder = FolderList[FolderCounter];
        if (folder == "." || folder == "..") continue;
        if (SetCurrentDir(Path + "Images\\" + folder)) ListPictures(folder + "\\");
    }
    PictureCount = CurrentPicture - 1;
    CurrentPicture = 1;
}

void TFormSkelvora1::ListPictures(const std::string& folderPrefix) {
    if (FindFirst("*.jpg", faAnyFile, SearchRec) != 0) return;
    do {
        if (!(SearchRec.Attr & faDirectory)) PictureList.Put(CurrentPicture++, folderPrefix + SearchRec.Name);
    } while (FindNext(SearchRec) == 0);
    FindClose(SearchRec);
}

void TFormSkelvora1::Button3Click(TComponent&) {
    SavedPicture = CurrentPicture;
    CurrentPicture = 1;
    Find_Jpg();
    CurrentPicture = SavedPicture > PictureCount ? 1 : SavedPicture;
    Application().ShowInformation(Refresh + " " + std::to_string(PictureCount));
    ShowPicture();
    Layout.BitBtn3.SetFocus();
}

}  // namespace skl
