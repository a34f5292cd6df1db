#include "platform/system/uri_text.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(URIText, APasswordIsNeverShown) {
  EXPECT_EQ(URIForMessages("ipp://alice:s3:cr@t@10.0.0.7:8631/ipp/print"), "ipp://alice@10.0.0.7:8631/ipp/print");
  EXPECT_EQ(URIForMessages("ipp://alice@10.0.0.7/x"), "ipp://alice@10.0.0.7/x");
  EXPECT_EQ(URIForMessages("ipp://10.0.0.7:631/x@y:z"), "ipp://10.0.0.7:631/x@y:z");
  EXPECT_EQ(URIForMessages("file:///tmp/out.prn"), "file:///tmp/out.prn");
}

}  // namespace
}  // namespace platform
