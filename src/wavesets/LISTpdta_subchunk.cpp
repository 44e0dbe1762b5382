#include "wavesets/LISTpdta_subchunk.h"

TLISTpdtaSubchunk::TLISTpdtaSubchunk() {
    SetupPath();
}

void TLISTpdtaSubchunk::SetupPath() {
    TSubchunk::SetupPath();
    Ids = {"LIST", ""};
    FormTypes = {"pdta", ""};
}

void TLISTpdtaSubchunk::ReadData() {
    TSubchunk::ReadData();
}

void TLISTpdtaSubchunk::WriteData() {
    TSubchunk::WriteData();
}
