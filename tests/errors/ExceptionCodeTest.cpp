#include "errors/ExceptionCode.h"

#include "errors/RegisterContext.h"

#include <gtest/gtest.h>

TEST(ExceptionCodeTest, RegisterTextHasFourLinesOfThree) {
#if UINTPTR_MAX > 0xFFFFFFFFu
    const RegisterContext context{0x1,
                                  0x22,
                                  0x333,
                                  0x4444,
                                  0xABCDEF,
                                  ~uintptr_t{0},
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
#else
    const RegisterContext context{0x1,      0x22,     0x333,    0x4444, 0xABCDEF, ~uintptr_t{0},
                                  0x12FF70, 0x12FF00, 0x401234, 0x1B,   0x23,     0x10246};
    EXPECT_EQ(registerText(context), "EAX: 00000001 EBX: 00000022 ECX: 00000333\r\n"
                                     "EDX: 00004444 ESI: 00ABCDEF EDI: FFFFFFFF\r\n"
                                     "EBP: 0012FF70 ESP: 0012FF00 EIP: 00401234\r\n"
                                     "CS: 0000001B DS: 00000023 EF: 00010246\r\n");
#endif
}
