// Started by the launch test through EXECFILE: leaves the file named by its argument.
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 1;
    FILE* pFile = fopen(argv[1], "wb");
    if (!pFile)
        return 1;
    fputs("launched\n", pFile);
    return fclose(pFile) == 0 ? 0 : 1;
}
