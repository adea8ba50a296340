#include "platform/jpeg_codec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <jpeglib.h>

namespace jpeg {
namespace {

// The error manager comes first so that libjpeg's pointer to it is also a
// pointer to the whole record. error_exit longjmps back into the function
// that called the library; no C++ object with a destructor lives in the
// frames it skips (they are all libjpeg's).
struct TErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf escape;
  char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<TErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->escape, 1);
}

// Warnings (level -1) are about corrupt data, such as a truncated file or
// bytes missing before a marker: treated as errors. Trace messages are
// dropped instead of going to stderr.
void EmitMessage(j_common_ptr cinfo, int level) {
  if (level < 0) {
    auto* err = reinterpret_cast<TErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->escape, 1);
  }
}

void InitErrors(TErrorManager& err) {
  jpeg_std_error(&err.pub);
  err.pub.error_exit = ErrorExit;
  err.pub.emit_message = EmitMessage;
  err.message[0] = '\0';
}

[[noreturn]] void Fail(const char* message) {
  throw EJpegError(std::string("JPEG error: ") + message);
}

}  // namespace

TRgbImage DecodeJpeg(const uint8_t* data, size_t size) {
  if (data == nullptr || size == 0) Fail("empty file");
  if (size > 0xFFFFFFFFu) Fail("file too large");

  // Everything that owns memory lives on the heap, behind a pointer set
  // before setjmp and never changed after it: a longjmp skips destructors of
  // locals made after setjmp and leaves changed locals indeterminate, while
  // this way the unique_ptr frees the rows and pixels when Fail throws.
  struct TDecodeState {
    TRgbImage image;
    std::vector<uint8_t> row;
  };
  const auto work = std::make_unique<TDecodeState>();
  TDecodeState* const state = work.get();
  jpeg_decompress_struct cinfo;
  TErrorManager err;
  InitErrors(err);
  cinfo.err = &err.pub;
  // Set before setjmp and only read after a longjmp: volatile keeps the
  // compiler from caching it in a register that longjmp would restore.
  volatile bool created = false;
  if (setjmp(err.escape)) {
    if (created) jpeg_destroy_decompress(&cinfo);
    Fail(err.message);
  }
  jpeg_create_decompress(&cinfo);
  created = true;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  const uint64_t pixels = uint64_t(cinfo.image_width) * cinfo.image_height;
  if (cinfo.image_width == 0 || cinfo.image_height == 0 || pixels > kMaxPixels) {
    jpeg_destroy_decompress(&cinfo);
    Fail("picture dimensions out of range");
  }
  // CMYK/YCCK cannot be converted to RGB by the library; everything else can.
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&cinfo);

  const int width = static_cast<int>(cinfo.output_width);
  const int height = static_cast<int>(cinfo.output_height);
  const int components = cinfo.output_components;
  state->image.width = width;
  state->image.height = height;
  state->image.rgb.resize(size_t(width) * height * 3);
  state->row.resize(size_t(width) * components);
  JSAMPROW rowPointer = state->row.data();
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    if (jpeg_read_scanlines(&cinfo, &rowPointer, 1) != 1) break;
    uint8_t* out = state->image.rgb.data() + size_t(y) * width * 3;
    if (cmyk) {
      // Adobe writes CMYK inverted; the usual conversion then is plain products.
      for (int x = 0; x < width; ++x) {
        const uint8_t* p = &state->row[size_t(x) * 4];
        out[x * 3 + 0] = uint8_t(p[0] * p[3] / 255);
        out[x * 3 + 1] = uint8_t(p[1] * p[3] / 255);
        out[x * 3 + 2] = uint8_t(p[2] * p[3] / 255);
      }
    } else {
      std::memcpy(out, state->row.data(), size_t(width) * 3);
    }
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return std::move(state->image);
}

std::vector<uint8_t> EncodeJpeg(const uint8_t* rgb, int width, int height, int quality) {
  if (width <= 0 || height <= 0 || width > 65500 || height > 65500)
    Fail("picture dimensions out of range");
  if (rgb == nullptr) Fail("no pixels");

  jpeg_compress_struct cinfo;
  TErrorManager err;
  InitErrors(err);
  cinfo.err = &err.pub;
  // The library allocates the output with malloc and grows it as needed,
  // updating the pointer it was given; kept in memory for the error path.
  struct TDestination {
    unsigned char* data = nullptr;
    unsigned long size = 0;
  } destination;
  TDestination* volatile dest = &destination;
  volatile bool created = false;
  if (setjmp(err.escape)) {
    if (created) jpeg_destroy_compress(&cinfo);
    std::free(dest->data);
    Fail(err.message);
  }
  jpeg_create_compress(&cinfo);
  created = true;
  jpeg_mem_dest(&cinfo, &dest->data, &dest->size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  if (quality >= 0) jpeg_set_quality(&cinfo, quality > 100 ? 100 : quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + size_t(cinfo.next_scanline) * width * 3);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> result(dest->data, dest->data + dest->size);
  std::free(dest->data);
  return result;
}

}  // namespace jpeg
