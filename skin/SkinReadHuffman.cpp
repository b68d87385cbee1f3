#include "skin/SkinReadHuffman.h"

#include <algorithm>

namespace lzhuf {

void HuffmanTree::Start() {
    for (int i = 0; i < kSymbols; ++i) {
        freq[i] = 1;
        son[i] = static_cast<std::int16_t>(i + kNodes);
        parent[i + kNodes] = static_cast<std::int16_t>(i);
    }
    for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
        freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
        son[j] = static_cast<std::int16_t>(i);
        parent[i] = parent[i + 1] = static_cast<std::int16_t>(j);
    }
    freq[kNodes] = 0xFFFF;
    parent[kRoot] = 0;
}

void HuffmanTree::Rebuild() {
    // Gather the leaves at the front with halved frequencies.
    int j = 0;
    for (int i = 0; i < kNodes; ++i) {
        if (son[i] >= kNodes) {
            freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
            son[j] = son[i];
            ++j;
        }
    }
    // Join pairs into inner nodes, inserting each where its frequency keeps the order.
    for (int i = 0, k = kSymbols; k < kNodes; i += 2, ++k) {
        const unsigned f = static_cast<unsigned>(freq[i]) + freq[i + 1];
        int at = k - 1;
        while (f < freq[at]) {
            --at;
        }
        ++at;
        std::copy_backward(freq.begin() + at, freq.begin() + k, freq.begin() + k + 1);
        freq[at] = static_cast<std::uint16_t>(f);
        std::copy_backward(son.begin() + at, son.begin() + k, son.begin() + k + 1);
        son[at] = static_cast<std::int16_t>(i);
    }
    for (int i = 0; i < kNodes; ++i) {
        const int k = son[i];
        if (k >= kNodes) {
            parent[k] = static_cast<std::int16_t>(i);
        } else {
            parent[k] = parent[k + 1] = static_cast<std::int16_t>(i);
        }
    }
}

void HuffmanTree::Update(int c) {
    if (freq[kRoot] == kMaxFreq) {
        Rebuild();
    }
    c = parent[c + kNodes];
    do {
        const unsigned k = ++freq[c];
        // A node that outgrew its right neighbours swaps with the last node of lower frequency.
        int l = c + 1;
        if (k > freq[l]) {
            while (k > freq[++l]) {
            }
            --l;
            freq[c] = freq[l];
            freq[l] = static_cast<std::uint16_t>(k);

            const int i = son[c];
            parent[i] = static_cast<std::int16_t>(l);
            if (i < kNodes) {
                parent[i + 1] = static_cast<std::int16_t>(l);
            }
            const int j = son[l];
            son[l] = static_cast<std::int16_t>(i);
            parent[j] = static_cast<std::int16_t>(c);
            if (j < kNodes) {
                parent[j + 1] = static_cast<std::int16_t>(c);
            }
            son[c] = static_cast<std::int16_t>(j);
            c = l;
        }
        c = parent[c];
    } while (c != 0);
}

} // namespace lzhuf
