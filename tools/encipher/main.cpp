// quillo-encipher TEXT
// Prints the upper-case hexadecimal ciphertext of TEXT that decipherText turns
// back into TEXT. The build uses it to store the content-server address and
// the site link enciphered.

#include <cstdio>
#include <string>

#include "content/decipher.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillo-encipher TEXT\n");
        return 2;
    }
    const std::string cipher = quillo::encipherText(argv[1]);
    std::printf("%s\n", cipher.c_str());
    return 0;
}
