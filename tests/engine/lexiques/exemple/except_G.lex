laide laid
