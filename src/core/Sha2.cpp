#include "Sha2.h"

#include <cstring>

namespace
{

// Initial hash values and round constants: the first 32 or 64 bits of the fractional parts of the square
// roots (initial values) and cube roots (round constants) of the first primes. The SHA-224 and SHA-384
// starting values come from the ninth to sixteenth primes, which is all that keeps them from being
// truncated SHA-256/SHA-512.
constexpr uint32_t kSha224Initial[8] = {
    0xc1059ed8U, 0x367cd507U, 0x3070dd17U, 0xf70e5939U, 0xffc00b31U, 0x68581511U, 0x64f98fa7U, 0xbefa4fa4U,
};

constexpr uint32_t kSha256Initial[8] = {
    0x6a09e667U, 0xbb67ae85U, 0x3c6ef372U, 0xa54ff53aU, 0x510e527fU, 0x9b05688cU, 0x1f83d9abU, 0x5be0cd19U,
};

constexpr uint32_t kSha256Rounds[64] = {
    0x428a2f98U, 0x71374491U, 0xb5c0fbcfU, 0xe9b5dba5U, 0x3956c25bU, 0x59f111f1U, 0x923f82a4U, 0xab1c5ed5U,
    0xd807aa98U, 0x12835b01U, 0x243185beU, 0x550c7dc3U, 0x72be5d74U, 0x80deb1feU, 0x9bdc06a7U, 0xc19bf174U,
    0xe49b69c1U, 0xefbe4786U, 0x0fc19dc6U, 0x240ca1ccU, 0x2de92c6fU, 0x4a7484aaU, 0x5cb0a9dcU, 0x76f988daU,
    0x983e5152U, 0xa831c66dU, 0xb00327c8U, 0xbf597fc7U, 0xc6e00bf3U, 0xd5a79147U, 0x06ca6351U, 0x14292967U,
    0x27b70a85U, 0x2e1b2138U, 0x4d2c6dfcU, 0x53380d13U, 0x650a7354U, 0x766a0abbU, 0x81c2c92eU, 0x92722c85U,
    0xa2bfe8a1U, 0xa81a664bU, 0xc24b8b70U, 0xc76c51a3U, 0xd192e819U, 0xd6990624U, 0xf40e3585U, 0x106aa070U,
    0x19a4c116U, 0x1e376c08U, 0x2748774cU, 0x34b0bcb5U, 0x391c0cb3U, 0x4ed8aa4aU, 0x5b9cca4fU, 0x682e6ff3U,
    0x748f82eeU, 0x78a5636fU, 0x84c87814U, 0x8cc70208U, 0x90befffaU, 0xa4506cebU, 0xbef9a3f7U, 0xc67178f2U,
};

constexpr uint64_t kSha384Initial[8] = {
    0xcbbb9d5dc1059ed8ULL, 0x629a292a367cd507ULL, 0x9159015a3070dd17ULL, 0x152fecd8f70e5939ULL,
    0x67332667ffc00b31ULL, 0x8eb44a8768581511ULL, 0xdb0c2e0d64f98fa7ULL, 0x47b5481dbefa4fa4ULL,
};

constexpr uint64_t kSha512Initial[8] = {
    0x6a09e667f3bcc908ULL, 0xbb67ae8584caa73bULL, 0x3c6ef372fe94f82bULL, 0xa54ff53a5f1d36f1ULL,
    0x510e527fade682d1ULL, 0x9b05688c2b3e6c1fULL, 0x1f83d9abfb41bd6bULL, 0x5be0cd19137e2179ULL,
};

constexpr uint64_t kSha512Rounds[80] = {
    0x428a2f98d728ae22ULL, 0x7137449123ef65cdULL, 0xb5c0fbcfec4d3b2fULL, 0xe9b5dba58189dbbcULL,
    0x3956c25bf348b538ULL, 0x59f111f1b605d019ULL, 0x923f82a4af194f9bULL, 0xab1c5ed5da6d8118ULL,
    0xd807aa98a3030242ULL, 0x12835b0145706fbeULL, 0x243185be4ee4b28cULL, 0x550c7dc3d5ffb4e2ULL,
    0x72be5d74f27b896fULL, 0x80deb1fe3b1696b1ULL, 0x9bdc06a725c71235ULL, 0xc19bf174cf692694ULL,
    0xe49b69c19ef14ad2ULL, 0xefbe4786384f25e3ULL, 0x0fc19dc68b8cd5b5ULL, 0x240ca1cc77ac9c65ULL,
    0x2de92c6f592b0275ULL, 0x4a7484aa6ea6e483ULL, 0x5cb0a9dcbd41fbd4ULL, 0x76f988da831153b5ULL,
    0x983e5152ee66dfabULL, 0xa831c66d2db43210ULL, 0xb00327c898fb213fULL, 0xbf597fc7beef0ee4ULL,
    0xc6e00bf33da88fc2ULL, 0xd5a79147930aa725ULL, 0x06ca6351e003826fULL, 0x142929670a0e6e70ULL,
    0x27b70a8546d22ffcULL, 0x2e1b21385c26c926ULL, 0x4d2c6dfc5ac42aedULL, 0x53380d139d95b3dfULL,
    0x650a73548baf63deULL, 0x766a0abb3c77b2a8ULL, 0x81c2c92e47edaee6ULL, 0x92722c851482353bULL,
    0xa2bfe8a14cf10364ULL, 0xa81a664bbc423001ULL, 0xc24b8b70d0f89791ULL, 0xc76c51a30654be30ULL,
    0xd192e819d6ef5218ULL, 0xd69906245565a910ULL, 0xf40e35855771202aULL, 0x106aa07032bbd1b8ULL,
    0x19a4c116b8d2d0c8ULL, 0x1e376c085141ab53ULL, 0x2748774cdf8eeb99ULL, 0x34b0bcb5e19b48a8ULL,
    0x391c0cb3c5c95a63ULL, 0x4ed8aa4ae3418acbULL, 0x5b9cca4f7763e373ULL, 0x682e6ff3d6b2b8a3ULL,
    0x748f82ee5defb2fcULL, 0x78a5636f43172f60ULL, 0x84c87814a1f0ab72ULL, 0x8cc702081a6439ecULL,
    0x90befffa23631e28ULL, 0xa4506cebde82bde9ULL, 0xbef9a3f7b2c67915ULL, 0xc67178f2e372532bULL,
    0xca273eceea26619cULL, 0xd186b8c721c0c207ULL, 0xeada7dd6cde0eb1eULL, 0xf57d4f7fee6ed178ULL,
    0x06f067aa72176fbaULL, 0x0a637dc5a2c898a6ULL, 0x113f9804bef90daeULL, 0x1b710b35131c471bULL,
    0x28db77f523047d84ULL, 0x32caab7b40c72493ULL, 0x3c9ebe0a15c9bebcULL, 0x431d67c49c100d4cULL,
    0x4cc5d4becb3e42b6ULL, 0x597f299cfc657e2aULL, 0x5fcb6fab3ad6faecULL, 0x6c44198c4a475817ULL,
};

// Written as shift-or so compilers turn it into a single rotate instruction.
inline uint32_t rotr(uint32_t x, unsigned n)
{
    return (x >> n) | (x << (32 - n));
}

inline uint64_t rotr(uint64_t x, unsigned n)
{
    return (x >> n) | (x << (64 - n));
}

// The two word sizes differ only in these functions, the constants and the block size; everything else
// is shared below so a fix in one place fixes all four digests.
struct Words32 {
    using Word = uint32_t;
    using Context = Sha256Context;
    static constexpr uint32_t blockSize = 64;
    static constexpr unsigned rounds = 64;
    static const Word* roundConstants() { return kSha256Rounds; }

    static Word bigSigma0(Word x) { return rotr(x, 2) ^ rotr(x, 13) ^ rotr(x, 22); }
    static Word bigSigma1(Word x) { return rotr(x, 6) ^ rotr(x, 11) ^ rotr(x, 25); }
    static Word smallSigma0(Word x) { return rotr(x, 7) ^ rotr(x, 18) ^ (x >> 3); }
    static Word smallSigma1(Word x) { return rotr(x, 17) ^ rotr(x, 19) ^ (x >> 10); }
};

struct Words64 {
    using Word = uint64_t;
    using Context = Sha512Context;
    static constexpr uint32_t blockSize = 128;
    static constexpr unsigned rounds = 80;
    static const Word* roundConstants() { return kSha512Rounds; }

    static Word bigSigma0(Word x) { return rotr(x, 28) ^ rotr(x, 34) ^ rotr(x, 39); }
    static Word bigSigma1(Word x) { return rotr(x, 14) ^ rotr(x, 18) ^ rotr(x, 41); }
    static Word smallSigma0(Word x) { return rotr(x, 1) ^ rotr(x, 8) ^ (x >> 7); }
    static Word smallSigma1(Word x) { return rotr(x, 19) ^ rotr(x, 61) ^ (x >> 6); }
};

// Spelled out byte by byte so it is right on any host and needs no alignment. Written as one expression
// on purpose: GCC at -O2 turns this into a single byte-swapping load, but not a loop doing the same.
template <typename Word> Word loadBigEndian(const uint8_t* p);

template <> inline uint32_t loadBigEndian<uint32_t>(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

template <> inline uint64_t loadBigEndian<uint64_t>(const uint8_t* p)
{
    return (uint64_t(p[0]) << 56) | (uint64_t(p[1]) << 48) | (uint64_t(p[2]) << 40) | (uint64_t(p[3]) << 32) |
           (uint64_t(p[4]) << 24) | (uint64_t(p[5]) << 16) | (uint64_t(p[6]) << 8) | uint64_t(p[7]);
}

// Only used once per digest, speed does not matter here.
template <typename Word> inline void storeBigEndian(Word w, uint8_t* p)
{
    for (unsigned i = 0; i < sizeof(Word); ++i)
        p[i] = uint8_t(w >> (8 * (sizeof(Word) - 1 - i)));
}

// One round. Instead of shifting the eight working variables each round, the callers rotate the argument
// order, so only d and h change and nothing is moved.
template <typename T>
Q_ALWAYS_INLINE void round(typename T::Word a, typename T::Word b, typename T::Word c, typename T::Word& d,
                           typename T::Word e, typename T::Word f, typename T::Word g, typename T::Word& h,
                           typename T::Word kw)
{
    // Ch and Maj in their cheaper equivalent forms (one operation less each).
    const typename T::Word t1 = h + T::bigSigma1(e) + (g ^ (e & (f ^ g))) + kw;
    const typename T::Word t2 = T::bigSigma0(a) + ((a & b) | (c & (a | b)));
    d += t1;
    h = t1 + t2;
}

// Eight rounds bring the variables back to their original places. This form takes the schedule words as
// they are (the first 16 rounds).
template <typename T>
inline void eightRounds(typename T::Word& a, typename T::Word& b, typename T::Word& c, typename T::Word& d,
                        typename T::Word& e, typename T::Word& f, typename T::Word& g, typename T::Word& h,
                        const typename T::Word* k, const typename T::Word* w)
{
    round<T>(a, b, c, d, e, f, g, h, k[0] + w[0]);
    round<T>(h, a, b, c, d, e, f, g, k[1] + w[1]);
    round<T>(g, h, a, b, c, d, e, f, k[2] + w[2]);
    round<T>(f, g, h, a, b, c, d, e, k[3] + w[3]);
    round<T>(e, f, g, h, a, b, c, d, k[4] + w[4]);
    round<T>(d, e, f, g, h, a, b, c, k[5] + w[5]);
    round<T>(c, d, e, f, g, h, a, b, k[6] + w[6]);
    round<T>(b, c, d, e, f, g, h, a, k[7] + w[7]);
}

// Next schedule word in slot i. The schedule is a 16-word window refilled in place instead of the full
// 64/80-word array, each word computed just before its round, so it stays in registers and L1 and the
// schedule arithmetic overlaps the rounds (a separate refill loop every 16 rounds measured over a tenth
// slower).
template <typename T> Q_ALWAYS_INLINE typename T::Word expand(typename T::Word* w, unsigned i)
{
    return w[i] += T::smallSigma1(w[(i + 14) & 15]) + w[(i + 9) & 15] + T::smallSigma0(w[(i + 1) & 15]);
}

// The same eight rounds for rounds 16 and up, expanding the schedule as they go. Forced inline: base is 0
// or 8 and must be a constant for every w index to be fixed at compile time, and GCC at -O2 judges this
// too big to inline by itself, which measured over a tenth slower.
template <typename T>
Q_ALWAYS_INLINE void eightRoundsExpanding(typename T::Word& a, typename T::Word& b, typename T::Word& c,
                                          typename T::Word& d, typename T::Word& e, typename T::Word& f,
                                          typename T::Word& g, typename T::Word& h, const typename T::Word* k,
                                          typename T::Word* w, unsigned base)
{
    round<T>(a, b, c, d, e, f, g, h, k[0] + expand<T>(w, base + 0));
    round<T>(h, a, b, c, d, e, f, g, k[1] + expand<T>(w, base + 1));
    round<T>(g, h, a, b, c, d, e, f, k[2] + expand<T>(w, base + 2));
    round<T>(f, g, h, a, b, c, d, e, k[3] + expand<T>(w, base + 3));
    round<T>(e, f, g, h, a, b, c, d, k[4] + expand<T>(w, base + 4));
    round<T>(d, e, f, g, h, a, b, c, k[5] + expand<T>(w, base + 5));
    round<T>(c, d, e, f, g, h, a, b, k[6] + expand<T>(w, base + 6));
    round<T>(b, c, d, e, f, g, h, a, k[7] + expand<T>(w, base + 7));
}

// Compresses whole blocks straight from the caller's memory, no copy.
template <typename T> void compress(typename T::Word* state, const uint8_t* data, size_t blocks)
{
    using Word = typename T::Word;
    const Word* k = T::roundConstants();
    for (; blocks > 0; --blocks, data += T::blockSize) {
        Word w[16];
        for (unsigned i = 0; i < 16; ++i)
            w[i] = loadBigEndian<Word>(data + i * sizeof(Word));

        Word a = state[0], b = state[1], c = state[2], d = state[3];
        Word e = state[4], f = state[5], g = state[6], h = state[7];
        eightRounds<T>(a, b, c, d, e, f, g, h, k, w);
        eightRounds<T>(a, b, c, d, e, f, g, h, k + 8, w + 8);
        for (unsigned r = 16; r < T::rounds; r += 16) {
            eightRoundsExpanding<T>(a, b, c, d, e, f, g, h, k + r, w, 0);
            eightRoundsExpanding<T>(a, b, c, d, e, f, g, h, k + r + 8, w, 8);
        }
        state[0] += a;
        state[1] += b;
        state[2] += c;
        state[3] += d;
        state[4] += e;
        state[5] += f;
        state[6] += g;
        state[7] += h;
    }
}

template <typename T> void init(typename T::Context* ctx, const typename T::Word* initial)
{
    ctx->totLen = 0;
    ctx->len = 0;
    std::memcpy(ctx->h, initial, sizeof(ctx->h));
}

template <typename T> void update(typename T::Context* ctx, const uint8_t* message, uint32_t len)
{
    const uint32_t room = T::blockSize - ctx->len;
    if (len < room) {
        // Checked because message may legitimately be null when len is 0, and memcpy must not see it.
        if (len > 0)
            std::memcpy(ctx->block + ctx->len, message, len);
        ctx->len += len;
        return;
    }

    std::memcpy(ctx->block + ctx->len, message, room);
    compress<T>(ctx->h, ctx->block, 1);

    const uint8_t* rest = message + room;
    const uint32_t restLen = len - room;
    const uint32_t blocks = restLen / T::blockSize;
    compress<T>(ctx->h, rest, blocks);

    const uint32_t tail = restLen % T::blockSize;
    std::memcpy(ctx->block, rest + size_t(blocks) * T::blockSize, tail);
    ctx->len = tail;
    ctx->totLen += (blocks + 1) * T::blockSize;
}

template <typename T> void finish(typename T::Context* ctx, uint8_t* digest, unsigned digestWords)
{
    using Word = typename T::Word;
    // The length field is two words wide (64 bits for SHA-256, 128 for SHA-512); if it and the 0x80
    // marker no longer fit behind the waiting bytes, the padding runs into a second block.
    const uint32_t lengthField = 2 * sizeof(Word);
    const uint32_t padBlocks = (ctx->len % T::blockSize) >= T::blockSize - lengthField ? 2 : 1;
    const uint32_t padEnd = padBlocks * T::blockSize;

    std::memset(ctx->block + ctx->len, 0, padEnd - ctx->len);
    ctx->block[ctx->len] = 0x80;

    // The bit count is formed in 64 bits: in 32 bits it silently wraps for messages of 512 MiB and more
    // and the digest comes out wrong with no sign of it. The byte counters stay 32-bit, so messages up to
    // 4 GiB are right and only the low 64 bits of SHA-512's 128-bit length field are ever non-zero.
    const uint64_t bits = (uint64_t(ctx->totLen) + ctx->len) * 8;
    storeBigEndian<uint64_t>(bits, ctx->block + padEnd - sizeof(uint64_t));

    compress<T>(ctx->h, ctx->block, padBlocks);

    for (unsigned i = 0; i < digestWords; ++i)
        storeBigEndian<Word>(ctx->h[i], digest + i * sizeof(Word));
}

} // namespace

Sha2::Sha2(QObject* parent) : QObject(parent) {}

void Sha2::sha224Init(Sha256Context* ctx)
{
    init<Words32>(ctx, kSha224Initial);
}

void Sha2::sha224Update(Sha256Context* ctx, const unsigned char* message, uint32_t len)
{
    update<Words32>(ctx, message, len);
}

void Sha2::sha224Final(Sha256Context* ctx, unsigned char* digest)
{
    finish<Words32>(ctx, digest, 7);
}

void Sha2::sha224(const unsigned char* message, uint32_t len, unsigned char* digest)
{
    Sha256Context ctx;
    sha224Init(&ctx);
    sha224Update(&ctx, message, len);
    sha224Final(&ctx, digest);
}

void Sha2::sha256Init(Sha256Context* ctx)
{
    init<Words32>(ctx, kSha256Initial);
}

void Sha2::sha256Update(Sha256Context* ctx, const unsigned char* message, uint32_t len)
{
    update<Words32>(ctx, message, len);
}

void Sha2::sha256Final(Sha256Context* ctx, unsigned char* digest)
{
    finish<Words32>(ctx, digest, 8);
}

void Sha2::sha256(const unsigned char* message, uint32_t len, unsigned char* digest)
{
    Sha256Context ctx;
    sha256Init(&ctx);
    sha256Update(&ctx, message, len);
    sha256Final(&ctx, digest);
}

void Sha2::sha384Init(Sha512Context* ctx)
{
    init<Words64>(ctx, kSha384Initial);
}

void Sha2::sha384Update(Sha512Context* ctx, const unsigned char* message, uint32_t len)
{
    update<Words64>(ctx, message, len);
}

void Sha2::sha384Final(Sha512Context* ctx, unsigned char* digest)
{
    finish<Words64>(ctx, digest, 6);
}

void Sha2::sha384(const unsigned char* message, uint32_t len, unsigned char* digest)
{
    Sha512Context ctx;
    sha384Init(&ctx);
    sha384Update(&ctx, message, len);
    sha384Final(&ctx, digest);
}

void Sha2::sha512Init(Sha512Context* ctx)
{
    init<Words64>(ctx, kSha512Initial);
}

void Sha2::sha512Update(Sha512Context* ctx, const unsigned char* message, uint32_t len)
{
    update<Words64>(ctx, message, len);
}

void Sha2::sha512Final(Sha512Context* ctx, unsigned char* digest)
{
    finish<Words64>(ctx, digest, 8);
}

void Sha2::sha512(const unsigned char* message, uint32_t len, unsigned char* digest)
{
    Sha512Context ctx;
    sha512Init(&ctx);
    sha512Update(&ctx, message, len);
    sha512Final(&ctx, digest);
}

bool Sha2::sha512Hex(const char* text, char* out)
{
    unsigned char digest[64];
    sha512(reinterpret_cast<const unsigned char*>(text), uint32_t(std::strlen(text)), digest);

    // Table lookup rather than printf: always lowercase whatever the locale, and no format parsing.
    static const char digits[] = "0123456789abcdef";
    for (unsigned i = 0; i < sizeof(digest); ++i) {
        out[2 * i] = digits[digest[i] >> 4];
        out[2 * i + 1] = digits[digest[i] & 0x0f];
    }
    out[2 * sizeof(digest)] = '\0';
    return true;
}
