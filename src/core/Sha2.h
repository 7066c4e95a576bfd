#ifndef WENDO_CORE_SHA2_H
#define WENDO_CORE_SHA2_H

#include <QObject>

#include <cstdint>

// Running state of SHA-224 and SHA-256. The block holds two blocks because the final padding can spill
// into a second one.
struct Sha256Context {
    uint32_t totLen; // bytes already compressed, always whole 64-byte blocks
    uint32_t len;    // bytes waiting in block
    uint8_t block[128];
    uint32_t h[8];
};

// Running state of SHA-384 and SHA-512, same layout with 128-byte blocks and 64-bit words.
struct Sha512Context {
    uint32_t totLen; // bytes already compressed, always whole 128-byte blocks
    uint32_t len;    // bytes waiting in block
    uint8_t block[256];
    uint64_t h[8];
};

// SHA-224/256/384/512 of FIPS 180-2 over bytes in memory. We only need SHA-512 (ride track names, via
// sha512Hex), the other three come for free with the same code and are kept for completeness.
// No member state: the object is stateless and every call works on the context it is given, so one
// object may be shared between threads as long as each thread uses its own context.
class Sha2 : public QObject
{
    Q_OBJECT

public:
    explicit Sha2(QObject* parent = nullptr);

    void sha224Init(Sha256Context* ctx);
    void sha224Update(Sha256Context* ctx, const unsigned char* message, uint32_t len);
    void sha224Final(Sha256Context* ctx, unsigned char* digest); // 28 bytes
    void sha224(const unsigned char* message, uint32_t len, unsigned char* digest);

    void sha256Init(Sha256Context* ctx);
    void sha256Update(Sha256Context* ctx, const unsigned char* message, uint32_t len);
    void sha256Final(Sha256Context* ctx, unsigned char* digest); // 32 bytes
    void sha256(const unsigned char* message, uint32_t len, unsigned char* digest);

    void sha384Init(Sha512Context* ctx);
    void sha384Update(Sha512Context* ctx, const unsigned char* message, uint32_t len);
    void sha384Final(Sha512Context* ctx, unsigned char* digest); // 48 bytes
    void sha384(const unsigned char* message, uint32_t len, unsigned char* digest);

    void sha512Init(Sha512Context* ctx);
    void sha512Update(Sha512Context* ctx, const unsigned char* message, uint32_t len);
    void sha512Final(Sha512Context* ctx, unsigned char* digest); // 64 bytes
    void sha512(const unsigned char* message, uint32_t len, unsigned char* digest);

    // SHA-512 of the zero-terminated text (terminator excluded) as 128 lowercase hex digits plus a
    // terminating zero; out must hold 129 bytes. Always returns true.
    bool sha512Hex(const char* text, char* out);
};

#endif // WENDO_CORE_SHA2_H
