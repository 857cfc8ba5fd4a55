/* A C program that includes sonalike.h alone and links libsonalike.so: every export must resolve
 * with C linkage, and an engine with nothing added answers as the header says. */
#include "sonalike.h"

#include <stdio.h>

/* Any function pointer converts to another function pointer type and back. */
typedef void (*AnyFunction)(void);

int main(void)
{
    /* Taking every address makes the linker resolve each one against the library. */
    const AnyFunction exports[] = {
        (AnyFunction)&AddToDedupeLists,     (AnyFunction)&AddToDedupeListsByInfo,
        (AnyFunction)&StartDedupeThread,    (AnyFunction)&PauseDedupeThread,
        (AnyFunction)&ContinueDedupeThread, (AnyFunction)&DedupeDealloc,
        (AnyFunction)&GetLoadCounts,        (AnyFunction)&GetGroupIdCounts,
        (AnyFunction)&GetGroupRef,
    };
    for (unsigned i = 0; i < sizeof exports / sizeof exports[0]; ++i)
    {
        if (!exports[i])
        {
            fprintf(stderr, "export %u missing\n", i);
            return 1;
        }
    }
    DedupeTrackInfo* item = NULL;
    int count = -1;
    /* No tracks, no groups: 0 from an engine, -1 when there is none yet. */
    if (GetLoadCounts() > 0 || GetGroupIdCounts() > 0 || GetGroupRef(0, &item, &count, 0) != -1 ||
        item != NULL)
    {
        fprintf(stderr, "unexpected answer from an empty engine\n");
        return 1;
    }
    DedupeDealloc();
    return 0;
}
