// Commits the memory fault its argument names; the guard allocator must end it with a report.
#include <cstdio>
#include <cstring>
#include <new>

int main(int argc, char** argv)
{
    const char* pszFault = argc > 1 ? argv[1] : "";
    // Called by name: a new expression whose block does not escape may be left out altogether.
    char* volatile pBlock = static_cast<char*>(::operator new[](32));
    if (strcmp(pszFault, "write-after-delete") == 0) {
        ::operator delete[](pBlock);
        pBlock[0] = 1;
    } else if (strcmp(pszFault, "read-past-end") == 0) {
        printf("%d\n", pBlock[32]);
    } else if (strcmp(pszFault, "write-into-slack") == 0) {
        char* volatile pOdd = static_cast<char*>(::operator new[](13));
        pOdd[13] = 1;
        ::operator delete[](pOdd);
    }
    puts("no fault seen");
    return 0;
}
