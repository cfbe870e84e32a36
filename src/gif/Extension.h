#pragma once
// One extension block of a GIF file as read.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/Persistent.h"

namespace skl {

enum class TExtensionKind : std::uint8_t { ekGraphicControl = 0, ekPlainText = 1, ekApplication = 2, ekComment = 3 };

class TExtension : public TPersistent {
public:
    TExtension() = default;
    TExtension(const TExtension& other) = default;
    TExtension& operator=(const TExtension& other) = default;
    const char* ClassName() const override { return "TExtension"; }

    TExtensionKind Kind = TExtensionKind::ekGraphicControl;
    // The block's fixed bytes, beginning with its block-size byte; none for a
    // comment.
    std::vector<std::uint8_t> Header;
    // One string per non-empty data sub-block, in order.
    std::vector<std::string> SubBlocks;

    void Assign(const TPersistent& source) override;
};

}  // namespace skl
