// A stand-in accelerated library with two entries, for the binding tests.
extern "C" int ippsMin_64f(const double*, int, double* result) {
  *result = -4242.0;
  return 0;
}
extern "C" int ippiCopy_32s_C1R(const int*, int, int*, int, long) { return 0; }
