#include <cstdio>

int main() {
    std::puts("tlv6200-radio-sim");
    return 0;
}
