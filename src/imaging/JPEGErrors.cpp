#include "imaging/JPEGErrors.h"

#include <jerror.h>

#include "imaging/JPEGImage.h"

namespace skl {

namespace {

constexpr const char* SJPEGError = "JPEG error #%d";

TJPEGErrorManager& Manager(j_common_ptr info) { return *reinterpret_cast<TJPEGErrorManager*>(info->err); }

[[noreturn]] void ErrorExit(j_common_ptr info) { std::longjmp(Manager(info).Jump, 1); }
void EmitMessage(j_common_ptr, int) {}
void OutputMessage(j_common_ptr) {}
void FormatMessage(j_common_ptr, char* buffer) { buffer[0] = '\0'; }
void ResetErrorManager(j_common_ptr info) {
    info->err->num_warnings = 0;
    info->err->msg_code = 0;
}

// The only setjmp: nothing here or in the step has a destructor that the
// jump could skip.
bool Completes(jpeg_decompress_struct& info, TJPEGStep step, void* context) {
    if (setjmp(Manager(reinterpret_cast<j_common_ptr>(&info)).Jump) != 0) return false;
    step(&info, context);
    return true;
}

}  // namespace

void InstallErrorManager(jpeg_decompress_struct& info, TJPEGErrorManager& manager) {
    info.err = jpeg_std_error(&manager.Library);
    manager.Library.error_exit = ErrorExit;
    manager.Library.emit_message = EmitMessage;
    manager.Library.output_message = OutputMessage;
    manager.Library.format_message = FormatMessage;
    manager.Library.reset_error_mgr = ResetErrorManager;
}

void RunGuarded(jpeg_decompress_struct& info, TJPEGStep step, void* context) {
    if (!Completes(info, step, context)) throw EJPEG(Format(SJPEGError, Release6aCode(info.err->msg_code)));
}

int Release6aCode(int code) { return code > JERR_BAD_DCT_COEF ? code - 1 : code; }

}  // namespace skl
