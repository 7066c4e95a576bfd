#include "core/Sha2.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QVector>
#include <QtTest>

namespace
{

using Algorithm = QCryptographicHash::Algorithm;

template <typename Context> struct Variant {
    void (Sha2::*init)(Context*);
    void (Sha2::*update)(Context*, const unsigned char*, uint32_t);
    void (Sha2::*final)(Context*, unsigned char*);
    void (Sha2::*oneShot)(const unsigned char*, uint32_t, unsigned char*);
    int digestSize;
};

// Empty pieces means the one-shot call; otherwise the message goes through init/update/final in pieces
// of these sizes, which must add up to the message size.
template <typename Context>
QByteArray run(const Variant<Context>& variant, const QByteArray& message, const QVector<int>& pieces)
{
    Sha2 sha2;
    QByteArray digest(variant.digestSize, '\0');
    auto* out = reinterpret_cast<unsigned char*>(digest.data());
    auto* bytes = reinterpret_cast<const unsigned char*>(message.constData());
    if (pieces.isEmpty()) {
        (sha2.*variant.oneShot)(bytes, uint32_t(message.size()), out);
        return digest;
    }
    Context ctx;
    (sha2.*variant.init)(&ctx);
    for (int piece : pieces) {
        (sha2.*variant.update)(&ctx, bytes, uint32_t(piece));
        bytes += piece;
    }
    (sha2.*variant.final)(&ctx, out);
    return digest;
}

QByteArray ourDigest(Algorithm algorithm, const QByteArray& message, const QVector<int>& pieces = {})
{
    switch (algorithm) {
    case QCryptographicHash::Sha224:
        return run<Sha256Context>(
            {&Sha2::sha224Init, &Sha2::sha224Update, &Sha2::sha224Final, &Sha2::sha224, 28}, message, pieces);
    case QCryptographicHash::Sha256:
        return run<Sha256Context>(
            {&Sha2::sha256Init, &Sha2::sha256Update, &Sha2::sha256Final, &Sha2::sha256, 32}, message, pieces);
    case QCryptographicHash::Sha384:
        return run<Sha512Context>(
            {&Sha2::sha384Init, &Sha2::sha384Update, &Sha2::sha384Final, &Sha2::sha384, 48}, message, pieces);
    case QCryptographicHash::Sha512:
        return run<Sha512Context>(
            {&Sha2::sha512Init, &Sha2::sha512Update, &Sha2::sha512Final, &Sha2::sha512, 64}, message, pieces);
    default:
        return {};
    }
}

// Piece sizes from 0 (an empty update must change nothing) to a bit over two SHA-512 blocks, so pieces
// start and end at every offset within a block and some are compressed straight from the message.
QVector<int> randomPieces(int total, QRandomGenerator& rng)
{
    QVector<int> pieces;
    while (total > 0) {
        const int piece = qMin(int(rng.bounded(300)), total);
        pieces.append(piece);
        total -= piece;
    }
    return pieces;
}

const QByteArray kMessage448 = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
const QByteArray kMessage896 = "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmn"
                               "opqklmnopqrlmnopqrsmnopqrstnopqrstu";

} // namespace

class TestSha2 : public QObject
{
    Q_OBJECT

private slots:
    void standardVectors_data();
    void standardVectors();
    void sha512Hex_data();
    void sha512Hex();
    void paddingBoundaries_data();
    void paddingBoundaries();
    void matchesQtForEveryLength_data();
    void matchesQtForEveryLength();
};

void TestSha2::standardVectors_data()
{
    QTest::addColumn<Algorithm>("algorithm");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("sha224 abc") << QCryptographicHash::Sha224 << QByteArray("abc")
                                << QByteArray("23097d223405d8228642a477bda255b32aadbce4bda0b3f7e36c9da7");
    QTest::newRow("sha224 empty") << QCryptographicHash::Sha224 << QByteArray()
                                  << QByteArray("d14a028c2a3a2bc9476102bb288234c415a2b01f828ea62ac5b3e42f");
    QTest::newRow("sha224 448 bits") << QCryptographicHash::Sha224 << kMessage448
                                     << QByteArray(
                                            "75388b16512776cc5dba5da1fd890150b0c6455cb4f58b1952522525");

    QTest::newRow("sha256 abc") << QCryptographicHash::Sha256 << QByteArray("abc")
                                << QByteArray(
                                       "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    QTest::newRow("sha256 empty") << QCryptographicHash::Sha256 << QByteArray()
                                  << QByteArray(
                                         "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    QTest::newRow("sha256 448 bits")
        << QCryptographicHash::Sha256 << kMessage448
        << QByteArray("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");

    QTest::newRow("sha384 abc") << QCryptographicHash::Sha384 << QByteArray("abc")
                                << QByteArray("cb00753f45a35e8bb5a03d699ac65007272c32ab0eded163"
                                              "1a8b605a43ff5bed8086072ba1e7cc2358baeca134c825a7");
    QTest::newRow("sha384 empty") << QCryptographicHash::Sha384 << QByteArray()
                                  << QByteArray("38b060a751ac96384cd9327eb1b1e36a21fdb71114be0743"
                                                "4c0cc7bf63f6e1da274edebfe76f65fbd51ad2f14898b95b");
    QTest::newRow("sha384 896 bits") << QCryptographicHash::Sha384 << kMessage896
                                     << QByteArray("09330c33f71147e83d192fc782cd1b4753111b173b3b05d2"
                                                   "2fa08086e3b0f712fcc7c71a557e2db966c3e9fa91746039");

    QTest::newRow("sha512 abc") << QCryptographicHash::Sha512 << QByteArray("abc")
                                << QByteArray(
                                       "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a"
                                       "2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f");
    QTest::newRow("sha512 empty") << QCryptographicHash::Sha512 << QByteArray()
                                  << QByteArray(
                                         "cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce"
                                         "47d0d13c5d85f2b0ff8318d2877eec2f63b931bd47417a81a538327af927da3e");
    QTest::newRow("sha512 896 bits")
        << QCryptographicHash::Sha512 << kMessage896
        << QByteArray("8e959b75dae313da8cf4f72814fc143f8f7779c6eb9f7fa17299aeadb6889018"
                      "501d289e4900f7e4331b99dec4b5433ac7d329eeb6dd26545e96e55b874be909");
}

void TestSha2::standardVectors()
{
    QFETCH(Algorithm, algorithm);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, expected);

    QCOMPARE(ourDigest(algorithm, message).toHex(), expected);
    // The same through init/update/final, split after the first byte (an empty update for the empty
    // message): a split must not change the digest.
    const QVector<int> split = message.isEmpty() ? QVector<int>{0} : QVector<int>{1, message.size() - 1};
    QCOMPARE(ourDigest(algorithm, message, split).toHex(), expected);
}

void TestSha2::sha512Hex_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << QByteArray("")
                           << QByteArray("cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce"
                                         "47d0d13c5d85f2b0ff8318d2877eec2f63b931bd47417a81a538327af927da3e");
    QTest::newRow("abc") << QByteArray("abc")
                         << QByteArray("ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a"
                                       "2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f");
}

void TestSha2::sha512Hex()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);

    // One byte more than the 129 allowed, so a write past the terminator shows up.
    char out[130];
    memset(out, 'X', sizeof(out));
    Sha2 sha2;
    QVERIFY(sha2.sha512Hex(text.constData(), out));
    // The expected digits are lowercase, so an exact match also rules out upper-case output.
    QCOMPARE(QByteArray(out), expected);
    QCOMPARE(out[128], '\0');
    QCOMPARE(out[129], 'X');
}

void TestSha2::paddingBoundaries_data()
{
    QTest::addColumn<Algorithm>("algorithm");
    QTest::addColumn<int>("length");

    // The last length that still fits the padding in one block, and the first that needs two.
    QTest::newRow("sha256 55") << QCryptographicHash::Sha256 << 55;
    QTest::newRow("sha256 56") << QCryptographicHash::Sha256 << 56;
    QTest::newRow("sha512 111") << QCryptographicHash::Sha512 << 111;
    QTest::newRow("sha512 112") << QCryptographicHash::Sha512 << 112;
}

void TestSha2::paddingBoundaries()
{
    QFETCH(Algorithm, algorithm);
    QFETCH(int, length);

    const QByteArray message(length, 'a');
    QCOMPARE(ourDigest(algorithm, message).toHex(), QCryptographicHash::hash(message, algorithm).toHex());
}

void TestSha2::matchesQtForEveryLength_data()
{
    QTest::addColumn<Algorithm>("algorithm");

    QTest::newRow("sha224") << QCryptographicHash::Sha224;
    QTest::newRow("sha256") << QCryptographicHash::Sha256;
    QTest::newRow("sha384") << QCryptographicHash::Sha384;
    QTest::newRow("sha512") << QCryptographicHash::Sha512;
}

void TestSha2::matchesQtForEveryLength()
{
    QFETCH(Algorithm, algorithm);

    // Fixed seed: a failure must be reproducible.
    QRandomGenerator rng(20240611);
    QByteArray data(3072, '\0');
    for (char& byte : data)
        byte = char(rng.bounded(256));

    for (int length = 0; length <= data.size(); ++length) {
        const QByteArray message = data.left(length);
        const QByteArray expected = QCryptographicHash::hash(message, algorithm);
        const QByteArray oneShot = ourDigest(algorithm, message);
        const QByteArray pieces = ourDigest(algorithm, message, randomPieces(length, rng));
        if (oneShot != expected || pieces != expected)
            QFAIL(qPrintable(QStringLiteral("mismatch at length %1").arg(length)));
    }
}

QTEST_APPLESS_MAIN(TestSha2)

#include "tst_sha2.moc"
