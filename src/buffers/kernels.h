#pragma once
// The table of vector kernels. Every array operation of the buffer family and
// of the scope's trace preparation calls through one slot of this table. A
// slot is bound once, before any component exists, to the entry of the same
// name in the optional Intel Integrated Performance Primitives libraries when
// they are installed, and to our own routine otherwise; callers never know
// which one runs. Kernels return a status: 0 success, -8 a required pointer is
// absent, -6 a length is 0 or negative, 6 a division by zero happened (the
// results were still written).

#include <cstdint>
#include <string>
#include <vector>

using Ipp8u = uint8_t;
using Ipp16s = int16_t;
using Ipp32s = int32_t;
using Ipp32f = float;
using Ipp64f = double;
using IppStatus = int32_t;

inline constexpr IppStatus ippStsNoErr = 0;
inline constexpr IppStatus ippStsNullPtrErr = -8;
inline constexpr IppStatus ippStsSizeErr = -6;
inline constexpr IppStatus ippStsDivByZero = 6;      // warning: results written
inline constexpr IppStatus ippStsDivByZeroErr = -10;  // a constant divisor of 0
inline constexpr IppStatus ippStsSqrtNegArg = 3;     // warning: NaN written
inline constexpr IppStatus ippStsLnZeroArg = 7;      // warning: -inf written
inline constexpr IppStatus ippStsLnNegArg = 8;       // warning: NaN written
inline constexpr IppStatus ippStsOutOfRangeErr = -11; // an index argument lies outside its range

// Rounding modes of the converting kernels.
using IppRoundMode = int;
inline constexpr IppRoundMode ippRndZero = 0;
inline constexpr IppRoundMode ippRndNear = 1;

struct IppiSize {
  int width;
  int height;
};

// One line per slot: the vendor's entry name and its parameter list. The same
// list declares the table, our own routines and the binding.
#define TREMORA_KERNEL_SLOTS(K)                                                              \
  /* data path */                                                                            \
  K(ippsCopy_8u, (const Ipp8u* pSrc, Ipp8u* pDst, int len))                                  \
  K(ippsCopy_64f, (const Ipp64f* pSrc, Ipp64f* pDst, int len))                               \
  K(ippsMove_64f, (const Ipp64f* pSrc, Ipp64f* pDst, int len))                               \
  K(ippsConvert_32s64f, (const Ipp32s* pSrc, Ipp64f* pDst, int len))                         \
  K(ippsConvert_64f32f, (const Ipp64f* pSrc, Ipp32f* pDst, int len))                         \
  K(ippsConvert_64f32s_Sfs,                                                                  \
    (const Ipp64f* pSrc, Ipp32s* pDst, int len, IppRoundMode rnd, int scaleFactor))          \
  K(ippsConvert_32f32s_Sfs,                                                                  \
    (const Ipp32f* pSrc, Ipp32s* pDst, int len, IppRoundMode rnd, int scaleFactor))          \
  K(ippsMulC_64f, (const Ipp64f* pSrc, Ipp64f val, Ipp64f* pDst, int len))                   \
  K(ippsAddC_64f_I, (Ipp64f val, Ipp64f* pSrcDst, int len))                                  \
  K(ippsSubCRev_64f_I, (Ipp64f val, Ipp64f* pSrcDst, int len))                               \
  K(ippsThreshold_GT_32s_I, (Ipp32s* pSrcDst, int len, Ipp32s level))                        \
  K(ippsMin_64f, (const Ipp64f* pSrc, int len, Ipp64f* pMin))                                \
  K(ippsMax_64f, (const Ipp64f* pSrc, int len, Ipp64f* pMax))                                \
  K(ippiCopy_32s_C1R,                                                                        \
    (const Ipp32s* pSrc, int srcStep, Ipp32s* pDst, int dstStep, IppiSize roiSize))          \
  /* trace reduction: our own kernel, no library entry (see below) */                        \
  K(tremoraColumnMinMax_64f, (const Ipp64f* pSrc, int len, const Ipp32s* pBounds,           \
                              int columns, Ipp64f* pMin, Ipp64f* pMax))                      \
  /* real buffer operations */                                                               \
  K(ippsSet_64f, (Ipp64f val, Ipp64f* pDst, int len))                                        \
  K(ippsZero_64f, (Ipp64f* pDst, int len))                                                   \
  K(ippsVectorJaehne_64f, (Ipp64f* pDst, int len, Ipp64f magn))                              \
  K(ippsAdd_64f_I, (const Ipp64f* pSrc, Ipp64f* pSrcDst, int len))                           \
  K(ippsSub_64f_I, (const Ipp64f* pSrc, Ipp64f* pSrcDst, int len))                           \
  K(ippsMul_64f_I, (const Ipp64f* pSrc, Ipp64f* pSrcDst, int len))                           \
  K(ippsDiv_64f_I, (const Ipp64f* pSrc, Ipp64f* pSrcDst, int len))                           \
  K(ippsSubC_64f_I, (Ipp64f val, Ipp64f* pSrcDst, int len))                                  \
  K(ippsMulC_64f_I, (Ipp64f val, Ipp64f* pSrcDst, int len))                                  \
  K(ippsDivC_64f_I, (Ipp64f val, Ipp64f* pSrcDst, int len))                                  \
  K(ippsConvert_32f64f, (const Ipp32f* pSrc, Ipp64f* pDst, int len))                         \
  K(ippsConvert_16s64f_Sfs, (const Ipp16s* pSrc, Ipp64f* pDst, int len, int scaleFactor))    \
  K(ippsNormalize_64f,                                                                       \
    (const Ipp64f* pSrc, Ipp64f* pDst, int len, Ipp64f vsub, Ipp64f vdiv))                   \
  K(ippsDotProd_64f, (const Ipp64f* pSrc1, const Ipp64f* pSrc2, int len, Ipp64f* pDp))       \
  K(ippsThreshold_LT_64f_I, (Ipp64f* pSrcDst, int len, Ipp64f level))                        \
  K(ippsThreshold_GT_64f_I, (Ipp64f* pSrcDst, int len, Ipp64f level))                        \
  K(ippsThreshold_LT_64f, (const Ipp64f* pSrc, Ipp64f* pDst, int len, Ipp64f level))         \
  K(ippsThreshold_GT_64f, (const Ipp64f* pSrc, Ipp64f* pDst, int len, Ipp64f level))         \
  K(ippsSqr_64f_I, (Ipp64f* pSrcDst, int len))                                               \
  K(ippsSqr_64f, (const Ipp64f* pSrc, Ipp64f* pDst, int len))                                \
  K(ippsSqrt_64f_I, (Ipp64f* pSrcDst, int len))                                              \
  K(ippsSqrt_64f, (const Ipp64f* pSrc, Ipp64f* pDst, int len))                               \
  K(ippsAbs_64f_I, (Ipp64f* pSrcDst, int len))                                               \
  K(ippsAbs_64f, (const Ipp64f* pSrc, Ipp64f* pDst, int len))                                \
  K(ippsExp_64f_I, (Ipp64f* pSrcDst, int len))                                               \
  K(ippsExp_64f, (const Ipp64f* pSrc, Ipp64f* pDst, int len))                                \
  K(ippsLn_64f_I, (Ipp64f* pSrcDst, int len))                                                \
  K(ippsLn_64f, (const Ipp64f* pSrc, Ipp64f* pDst, int len))                                 \
  K(ippsAutoCorr_64f, (const Ipp64f* pSrc, int srcLen, Ipp64f* pDst, int dstLen))            \
  K(ippsAutoCorr_NormA_64f, (const Ipp64f* pSrc, int srcLen, Ipp64f* pDst, int dstLen))      \
  K(ippsAutoCorr_NormB_64f, (const Ipp64f* pSrc, int srcLen, Ipp64f* pDst, int dstLen))      \
  K(ippsCrossCorr_64f, (const Ipp64f* pSrc1, int src1Len, const Ipp64f* pSrc2, int src2Len, \
                        Ipp64f* pDst, int dstLen, int lowLag))                               \
  K(ippsConv_64f,                                                                            \
    (const Ipp64f* pSrc1, int src1Len, const Ipp64f* pSrc2, int src2Len, Ipp64f* pDst))      \
  K(ippsMean_64f, (const Ipp64f* pSrc, int len, Ipp64f* pMean))                              \
  K(ippsStdDev_64f, (const Ipp64f* pSrc, int len, Ipp64f* pStdDev))                          \
  K(ippsNormDiff_L1_64f, (const Ipp64f* pSrc1, const Ipp64f* pSrc2, int len, Ipp64f* pNorm)) \
  K(ippsNormDiff_L2_64f, (const Ipp64f* pSrc1, const Ipp64f* pSrc2, int len, Ipp64f* pNorm)) \
  K(ippsNormDiff_Inf_64f, (const Ipp64f* pSrc1, const Ipp64f* pSrc2, int len, Ipp64f* pNorm))\
  K(ippsMinIndx_64f, (const Ipp64f* pSrc, int len, Ipp64f* pMin, int* pIndx))                \
  K(ippsMaxIndx_64f, (const Ipp64f* pSrc, int len, Ipp64f* pMax, int* pIndx))                \
  K(ippsSet_32s, (Ipp32s val, Ipp32s* pDst, int len))                                        \
  /* audio sample arithmetic (saturating, scale factor 2^-scale) */                          \
  K(ippsSet_8u, (Ipp8u val, Ipp8u* pDst, int len))                                           \
  K(ippsSet_16s, (Ipp16s val, Ipp16s* pDst, int len))                                        \
  K(ippsAdd_8u_ISfs, (const Ipp8u* pSrc, Ipp8u* pSrcDst, int len, int scaleFactor))          \
  K(ippsSub_8u_ISfs, (const Ipp8u* pSrc, Ipp8u* pSrcDst, int len, int scaleFactor))          \
  K(ippsMul_8u_ISfs, (const Ipp8u* pSrc, Ipp8u* pSrcDst, int len, int scaleFactor))          \
  K(ippsDiv_8u_ISfs, (const Ipp8u* pSrc, Ipp8u* pSrcDst, int len, int scaleFactor))          \
  K(ippsAdd_16s_ISfs, (const Ipp16s* pSrc, Ipp16s* pSrcDst, int len, int scaleFactor))       \
  K(ippsSub_16s_ISfs, (const Ipp16s* pSrc, Ipp16s* pSrcDst, int len, int scaleFactor))       \
  K(ippsMul_16s_ISfs, (const Ipp16s* pSrc, Ipp16s* pSrcDst, int len, int scaleFactor))       \
  K(ippsDiv_16s_ISfs, (const Ipp16s* pSrc, Ipp16s* pSrcDst, int len, int scaleFactor))       \
  K(ippsAdd_32s_ISfs, (const Ipp32s* pSrc, Ipp32s* pSrcDst, int len, int scaleFactor))       \
  K(ippsSub_32s_ISfs, (const Ipp32s* pSrc, Ipp32s* pSrcDst, int len, int scaleFactor))       \
  K(ippsMul_32s_ISfs, (const Ipp32s* pSrc, Ipp32s* pSrcDst, int len, int scaleFactor))       \
  K(ippsDiv_32s_ISfs, (const Ipp32s* pSrc, Ipp32s* pSrcDst, int len, int scaleFactor))       \
  K(ippsAddC_8u_ISfs, (Ipp8u val, Ipp8u* pSrcDst, int len, int scaleFactor))                 \
  K(ippsSubC_8u_ISfs, (Ipp8u val, Ipp8u* pSrcDst, int len, int scaleFactor))                 \
  K(ippsMulC_8u_ISfs, (Ipp8u val, Ipp8u* pSrcDst, int len, int scaleFactor))                 \
  K(ippsDivC_8u_ISfs, (Ipp8u val, Ipp8u* pSrcDst, int len, int scaleFactor))                 \
  K(ippsAddC_16s_ISfs, (Ipp16s val, Ipp16s* pSrcDst, int len, int scaleFactor))              \
  K(ippsSubC_16s_ISfs, (Ipp16s val, Ipp16s* pSrcDst, int len, int scaleFactor))              \
  K(ippsMulC_16s_ISfs, (Ipp16s val, Ipp16s* pSrcDst, int len, int scaleFactor))              \
  K(ippsDivC_16s_ISfs, (Ipp16s val, Ipp16s* pSrcDst, int len, int scaleFactor))              \
  K(ippsAddC_32s_ISfs, (Ipp32s val, Ipp32s* pSrcDst, int len, int scaleFactor))              \
  K(ippsSubC_32s_ISfs, (Ipp32s val, Ipp32s* pSrcDst, int len, int scaleFactor))              \
  K(ippsMulC_32s_ISfs, (Ipp32s val, Ipp32s* pSrcDst, int len, int scaleFactor))              \
  K(ippsDivC_32s_ISfs, (Ipp32s val, Ipp32s* pSrcDst, int len, int scaleFactor))

// tremoraColumnMinMax_64f reduces a trace to one minimum and one maximum per
// pixel column. Column j covers the samples [pBounds[j], pBounds[j + 1]), so
// pBounds holds columns + 1 non-decreasing indices within [0, len]; the
// caller chooses them (they need not cover the whole array). NaN samples are
// ignored; a column without any other sample (empty, or only NaN) reports NaN
// as both its minimum and maximum. Bounds that decrease or leave [0, len] give
// ippStsOutOfRangeErr and nothing is written. The libraries have no such entry
// and its name is looked up in none of them, so the slot always holds our own
// routine, which picks AVX2 or SSE2 code when the program loads.

#define TREMORA_KERNEL_SLOT_FIELD(name, params) IppStatus(*name) params = nullptr;
struct TKernelTable {
  TREMORA_KERNEL_SLOTS(TREMORA_KERNEL_SLOT_FIELD)
};
#undef TREMORA_KERNEL_SLOT_FIELD

// Our own routines, one per slot, with the same contracts.
namespace own_kernels {
#define TREMORA_KERNEL_OWN_DECL(name, params) IppStatus name params noexcept;
TREMORA_KERNEL_SLOTS(TREMORA_KERNEL_OWN_DECL)
#undef TREMORA_KERNEL_OWN_DECL
}  // namespace own_kernels

// The four accelerated library files of this platform, in load order:
// signal, core, image, colour conversion.
struct TKernelLibraryFiles {
  std::string signal = "libipps.so";
  std::string core = "libippcore.so";
  std::string image = "libippi.so";
  std::string colour = "libippcc.so";
};

// A table where every slot holds our own routine.
TKernelTable OwnKernelTable();

// Binds a table from the given library files: each slot takes the entry of
// its name when the library that should hold it is loaded and has it ("ipps"
// entries from the signal library, "ippi" entries from the image library,
// then the colour-conversion library), and our own routine otherwise. Each
// slot is decided on its own. The libraries stay loaded for the process.
// `boundFromLibrary`, when given, receives the names of the slots that were
// taken from a library.
TKernelTable BindKernelTable(const TKernelLibraryFiles& files,
                             std::vector<std::string>* boundFromLibrary = nullptr);

// Binds the process-wide table from the standard library files. Idempotent:
// the first call binds, later calls do nothing (slots are never rebound).
void BindKernels();

// The process-wide table; binds it on first use, so no set-up call is needed.
const TKernelTable& Kernels();
