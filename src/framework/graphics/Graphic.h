#pragma once
// The abstract picture: size, drawing, loading and saving, change and
// progress notification.
#include <functional>
#include <string>
#include <vector>

#include "framework/graphics/Canvas.h"
#include "framework/core/Persistent.h"
#include "framework/io/Streams.h"
#include "framework/core/Types.h"

namespace skl {

enum class TProgressStage { psStarting, psRunning, psEnding };

class TGraphic : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TGraphic& sender)>;
    using TProgressEvent =
        std::function<void(TGraphic& sender, TProgressStage stage, int percentDone, const std::string& message)>;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    virtual bool Empty() const = 0;
    // The colours the picture needs a palette screen to show; none for a
    // picture that needs none.
    virtual const std::vector<TRGBQuad>* Palette() const { return nullptr; }
    // Whether the picture leaves some of its pixels see-through when drawn.
    virtual bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool transparent);

    // Draws the picture scaled into the rectangle of the canvas. A picture
    // that cannot draw itself draws nothing.
    virtual void Draw(TCanvas& canvas, const TRect& rect);

    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    // Reads the file with sharing that lets others read and not write.
    void LoadFromFile(const std::string& path);
    // Reads the picture from bytes in memory, as a file holds them.
    void LoadFromMemory(const std::uint8_t* data, std::size_t size);
    // Writes beside the file and replaces it once complete; a failure leaves
    // the file as it was. EFCreateError "Cannot create file %s" when the file
    // is read-only, held by another program or cannot be made.
    void SaveToFile(const std::string& path);

    // Raises OnProgress with this picture as sender.
    void Progress(TProgressStage stage, int percentDone, const std::string& message = "");

    TNotifyEvent OnChange;
    TProgressEvent OnProgress;
    // Set when the picture's colours changed, until whoever shows it has
    // taken the new colours over.
    bool PaletteModified = false;

protected:
    virtual void Changed();

private:
    bool transparent_ = false;
};

}  // namespace skl
