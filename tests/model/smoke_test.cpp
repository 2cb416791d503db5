#include <gtest/gtest.h>
#include "model/madm_doc.h"
TEST(Smoke, NewDocument) { zev::CMADMDoc d; EXPECT_TRUE(d.OnNewDocument()); }
