#pragma once
// The abstract picture: size, drawing, loading and saving, change notification.
#include <functional>
#include <string>

#include "framework/Canvas.h"
#include "framework/Persistent.h"
#include "framework/Streams.h"
#include "framework/Types.h"

namespace skl {

class TGraphic : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TGraphic& sender)>;

    virtual int Width() = 0;
    virtual int Height() = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    virtual bool Empty() = 0;

    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    // Reads the file with sharing that lets others read and not write.
    void LoadFromFile(const std::string& path);
    // Writes beside the file and replaces it once complete; a failure leaves
    // the file as it was. EFCreateError "Cannot create file %s" when the file
    // is read-only, held by another program or cannot be made.
    void SaveToFile(const std::string& path);

    TNotifyEvent OnChange;

protected:
    virtual void Changed();
};

}  // namespace skl
