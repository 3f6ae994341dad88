#include <cstdio>

int main() {
    std::puts("tlv6200-cli");
    return 0;
}
