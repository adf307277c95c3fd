#pragma once

#include <QString>

// Why a request brought no usable reply. Screens only learn that it failed; the kind and the
// detail are for logs and tests, never shown to the owner.
struct ServiceError {
    enum class Kind {
        Network,    // no connection, refused, dropped
        Timeout,    // nothing arrived within the configured time-out
        Tls,        // the certificate was not trusted, expired or for another host
        HttpStatus, // a status outside 200-299, redirects included
        BadReply,   // not JSON, not an object, or a content type that is not accepted
        BadInput,   // the request could not be built (an image that does not encode)
        Aborted,    // the caller gave the request up
    };
    Kind kind = Kind::Network;
    int httpStatus = 0; // the status for HttpStatus, 0 otherwise
    QString detail;
};
