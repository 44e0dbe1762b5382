/* The least a program can do to print what `quillkit-cli samples BANK.sf2` prints: the
 * instrument names of the bank's "inst" chunk, sorted without regard to ASCII letter
 * case, names that compare equal in their order in the file. The CLI benchmark times
 * both as whole processes. Plain C and stdio, so that it pays for nothing else. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { RecordSize = 22, NameSize = 20 };

struct Name {
    char text[NameSize + 1];
    size_t order;
};

static uint32_t Le32(const unsigned char* bytes) {
    return (uint32_t)bytes[0] | (uint32_t)bytes[1] << 8 | (uint32_t)bytes[2] << 16 |
           (uint32_t)bytes[3] << 24;
}

static int Folded(int c) {
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

static int CompareNames(const void* left, const void* right) {
    const struct Name* a = left;
    const struct Name* b = right;
    const unsigned char* x = (const unsigned char*)a->text;
    const unsigned char* y = (const unsigned char*)b->text;
    for (; *x && Folded(*x) == Folded(*y); ++x, ++y) {
    }
    if (Folded(*x) != Folded(*y)) {
        return Folded(*x) - Folded(*y);
    }
    return a->order < b->order ? -1 : a->order > b->order;
}

/* Finds the chunk `id` among the chunks from the file position up to `end`, a LIST
 * chunk also by its form type; leaves the file at its data and gives its size. */
static int FindChunk(FILE* file, long end, const char* id, const char* form, uint32_t* size) {
    unsigned char header[12];
    long at = ftell(file);
    while (at >= 0 && at + 8 <= end && fseek(file, at, SEEK_SET) == 0 &&
           fread(header, 1, 8, file) == 8) {
        *size = Le32(header + 4);
        if (memcmp(header, id, 4) == 0) {
            if (!form) {
                return 1;
            }
            if (fread(header + 8, 1, 4, file) == 4 && memcmp(header + 8, form, 4) == 0) {
                *size -= 4;
                return 1;
            }
        }
        at += 8 + (long)*size + (long)(*size & 1);
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s BANK.sf2\n", argv[0]);
        return 2;
    }
    FILE* file = fopen(argv[1], "rb");
    if (!file) {
        perror(argv[1]);
        return 2;
    }
    uint32_t size = 0;
    if (!FindChunk(file, 12, "RIFF", "sfbk", &size)) {
        fprintf(stderr, "%s: not a SoundFont 2 bank\n", argv[1]);
        return 1;
    }
    long end = ftell(file) + (long)size;
    if (!FindChunk(file, end, "LIST", "pdta", &size)) {
        return 0;
    }
    end = ftell(file) + (long)size;
    if (!FindChunk(file, end, "inst", NULL, &size)) {
        return 0;
    }
    /* The chunk's size is the file's word: no more records than the file holds. */
    const long data = ftell(file);
    if (fseek(file, 0, SEEK_END) != 0 || ftell(file) < data) {
        return 1;
    }
    const long held = ftell(file) - data;
    fseek(file, data, SEEK_SET);
    size_t count = ((long)size < held ? (size_t)size : (size_t)held) / RecordSize;
    struct Name* names = calloc(count ? count : 1, sizeof *names);
    size_t kept = 0;
    unsigned char record[RecordSize];
    while (kept < count && fread(record, 1, RecordSize, file) == RecordSize) {
        memcpy(names[kept].text, record, NameSize);
        if (strcmp(names[kept].text, "EOI") == 0) {
            break;
        }
        names[kept].order = kept;
        ++kept;
    }
    fclose(file);
    qsort(names, kept, sizeof *names, CompareNames);
    for (size_t i = 0; i < kept; ++i) {
        puts(names[i].text);
    }
    free(names);
    return 0;
}
