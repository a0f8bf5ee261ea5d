#include "errors/ExceptionCode.h"

#include "errors/RegisterContext.h"

#include <gtest/gtest.h>

TEST(ExceptionCodeTest, RegisterTextHasFourLinesOfThree) {
    const RegisterContext context{0x1,
                                  0x22,
                                  0x333,
                                  0x4444,
                                  0xABCDEF,
                                  ~uint64_t{0},
                                  0x7FFC12345670,
                                  0x7FFC12345600,
                                  0x55AA00001234,
                                  0x33,
                                  0,
                                  0x10246};
    EXPECT_EQ(registerText(context),
              "RAX: 0000000000000001 RBX: 0000000000000022 RCX: 0000000000000333\r\n"
              "RDX: 0000000000004444 RSI: 0000000000ABCDEF RDI: FFFFFFFFFFFFFFFF\r\n"
              "RBP: 00007FFC12345670 RSP: 00007FFC12345600 RIP: 000055AA00001234\r\n"
              "CS: 0000000000000033 DS: 0000000000000000 EF: 0000000000010246\r\n");
}
