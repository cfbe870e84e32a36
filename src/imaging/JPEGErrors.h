#pragma once
// The library reports a fatal error by calling its error exit, which must not
// return. Ours jumps back to the one place that called into the library, and
// that place raises EJPEG; no exception ever travels through the library.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace skl {

struct TJPEGErrorManager {
    jpeg_error_mgr Library;
    std::jmp_buf Jump;
};

// Fatal errors jump back to RunGuarded; warnings and trace messages vanish.
void InstallErrorManager(jpeg_decompress_struct& info, TJPEGErrorManager& manager);

// Calls step(info, context); a fatal library error ends it and raises EJPEG
// "JPEG error #%d". The step must not own anything that needs destroying.
using TJPEGStep = void (*)(j_decompress_ptr info, void* context);
void RunGuarded(jpeg_decompress_struct& info, TJPEGStep step, void* context = nullptr);

// The library's message code as IJG release 6a numbered it: 6a had no
// JERR_BAD_DCT_COEF, so every later code is one lower there.
int Release6aCode(int code);

}  // namespace skl
