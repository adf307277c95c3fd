// Anchor source of the resource library: the pictures, layouts and the region list
// are added to it by the build as Qt resources under ":/".
