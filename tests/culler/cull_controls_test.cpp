// Reading the Controls setting: normalisation and which code wins.
#include "culler/cull_controls.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

// "km kr dm dr N=<null mode> F=<file mode> <normalised>" with the flags that are on.
std::string Dump(const TCullControls& c) {
  std::string dump;
  if (c.KeepMatchCase) dump += "km ";
  if (c.KeepRegExp) dump += "kr ";
  if (c.DeleteMatchCase) dump += "dm ";
  if (c.DeleteRegExp) dump += "dr ";
  return dump + "N=" + c.NullMode + " F=" + c.FileNameMode + " " + c.Normalised;
}

TEST(CullControls, ReadsCodesInTheirFixedOrder) {
  const struct {
    const char* setting;
    const char* dump;
  } cases[] = {
      {"", "N=I F=N "},
      {"(Not used by this application)", "N=I F=N "},
      {"NS", "N=S F=N /NS"},
      {"/NS/", "N=S F=N /NS"},
      {"/nk/ns", "N=S F=N /NK/NS"},
      {"/NS/NK/NI", "N=S F=N /NS/NK/NI"},
      {"/NI/NK", "N=K F=N /NI/NK"},
      {"/FY/FS", "N=I F=Y /FY/FS"},
      {"/fs", "N=I F=S /FS"},
      {"/KM/KR/DM/DR", "km kr dm dr N=I F=N /KM/KR/DM/DR"},
      {"/dr", "dr N=I F=N /DR"},
      {" / k m /\td r ", "km dr N=I F=N /KM/DR"},
      {"//KM///DM//", "km dm N=I F=N /KM/DM"},
      {"-KM-NK", "km N=K F=N -KM-NK"},
      {"/DI/KI/FN/NI", "N=I F=N /DI/KI/FN/NI"},
      {"NS/", "N=S F=N NS/"},  // N is the delimiter here; "/" is what remains
      {"  ", "N=I F=N "},
      {"///", "N=I F=N "},
  };
  for (const auto& c : cases) EXPECT_EQ(Dump(ReadControls(c.setting)), c.dump) << c.setting;
}

}  // namespace
}  // namespace gleaner
