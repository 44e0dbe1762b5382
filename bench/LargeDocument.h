#pragma once

#include <string>

// A Sarvik file of four oscillators with `perOscillator` instruments each, every value
// different, as the benchmarks that open and edit large documents use it.
inline std::string LargeSarvikText(int perOscillator) {
    std::string text = "'Benchmark\r\n'---------\r\n\r\nwaveset = bench.sf2, 10, 20, 30\r\n\r\n";
    for (int osc = 0; osc < 4; ++osc) {
        text += "osc = " + std::to_string(osc) + "\r\n";
        for (int i = 0; i < perOscillator; ++i) {
            text += "instrument = Wave " + std::to_string(i) +
                    "\r\ntranspose = " + std::to_string(i % 49 - 24) +
                    "\r\nhold = " + std::to_string(i * 37 % 10000) +
                    "\r\nblend = " + std::to_string(i * 11 % 10000) +
                    "\r\nvolume = " + std::to_string(i % 129) + "\r\nreserved = 0, 0\r\n\r\n";
        }
    }
    return text;
}
