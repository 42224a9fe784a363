#include "Fault.h"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace pairing {
namespace {

TEST(Fault, MessagesAUserSees)
{
    EXPECT_EQ(faultMessage(ListFull{}), "Unable to insert a line");
    EXPECT_EQ(faultMessage(std::bad_alloc{}), "Out of memory");
    EXPECT_EQ(faultMessage(std::bad_array_new_length{}), "Out of memory");
    EXPECT_EQ(faultMessage(std::runtime_error{"Something else"}), "Something else");
}

} // namespace
} // namespace pairing
