/* A C program that includes Lyrafon.h alone and links liblyrafon.so: every export must resolve
 * with C linkage, and the calls that need no library answer as the header says. */
#include "Lyrafon.h"

#include <stdio.h>

/* Any function pointer converts to another function pointer type and back. */
typedef void (*AnyFunction)(void);

int main(void)
{
    /* Taking every address makes the linker resolve each one against the library. */
    const AnyFunction exports[] = {
        (AnyFunction)&CreateAgent_kvt,      (AnyFunction)&DestroyAgent_kvt,
        (AnyFunction)&GetTrackCount_kvt,    (AnyFunction)&FindAttributeValue_kvt,
        (AnyFunction)&HasArtwork_kvt,       (AnyFunction)&DeleteTrackFromITunes_kvt,
        (AnyFunction)&AddTrackToITunes_kvt, (AnyFunction)&SetAttributeValue_kvt,
        (AnyFunction)&GetArtworkToFile_kvt, (AnyFunction)&SetArtworkFromFile_kvt,
    };
    for (unsigned i = 0; i < sizeof exports / sizeof exports[0]; ++i)
    {
        if (!exports[i])
        {
            fprintf(stderr, "export %u missing\n", i);
            return 1;
        }
    }
    char* value = NULL;
    if (GetTrackCount_kvt() != -1 || FindAttributeValue_kvt(&value, "Name", 0) != -1 || value != NULL ||
        DeleteTrackFromITunes_kvt(NULL) != -1)
    {
        fprintf(stderr, "unexpected answer without a library\n");
        return 1;
    }
    return 0;
}
